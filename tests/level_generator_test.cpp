// Generated levels: the same for a seed, different across seeds, solvable
// through the link rules, and graded as asked.
#include "puzzle/level_generator.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "puzzle/board.h"
#include "puzzle/chain_search.h"
#include "puzzle/game_state.h"
#include "puzzle/level_pack.h"
#include "puzzle/link_editing.h"
#include "puzzle/pack_format.h"

namespace {

constexpr Difficulty allGrades[] = {Difficulty::Easy, Difficulty::Medium,
                                    Difficulty::Hard};

LevelSolutions solve(Board& board, const Level& level) {
  board.setLevel(level);
  return solveLoadedLevel(board);
}

TEST(LevelGrades, TheBuiltInLevelsSpanTheGrades) {
  Board board;
  board.build();
  const Difficulty expected[levelCount] = {Difficulty::Easy, Difficulty::Easy,
                                           Difficulty::Hard, Difficulty::Medium,
                                           Difficulty::Hard, Difficulty::Hard};
  for (int level = 0; level < levelCount; ++level)
    EXPECT_EQ(gradeOf(solve(board, levels[level])), expected[level]) << level;
}

// The fast search agrees with evaluating every legal chain from scratch.
TEST(LevelGrades, TheFastSearchCountsWhatEvaluationFinds) {
  Board board;
  board.build();
  const Level level = generateLevels(7, 1, Difficulty::Hard).front();
  const LevelSolutions found = solve(board, level);
  long solving = 0, legal = 0;
  forEachLegalChain(board, [&](const std::vector<Node*>&) {
    ++legal;
    if (board.evaluate()) ++solving;
  });
  EXPECT_EQ(found.solvingChains, solving);
  EXPECT_EQ(found.legalChains, legal);
}

TEST(LevelGenerator, ASeedGivesTheSameLevelsEveryTime) {
  for (Difficulty grade : allGrades) {
    SCOPED_TRACE(difficultyName(grade));
    const std::string first = formatPack(generateLevels(42, 3, grade));
    EXPECT_EQ(formatPack(generateLevels(42, 3, grade)), first);
    // A shorter pack, but for its closing "end", is the start of a longer one.
    const std::string shorter = formatPack(generateLevels(42, 1, grade));
    EXPECT_EQ(first.rfind(shorter.substr(0, shorter.size() - 4), 0), 0u);
  }
}

// The levels of a seed are a promise to every player of that seed, on any
// machine and in any build: stored packs, made once by the level checker,
// that the generator must give again level for level.
TEST(LevelGenerator, FixedSeedsGiveTheirStoredPacks) {
  for (Difficulty grade : allGrades) {
    for (const char* seed : {"1", "27182"}) {
      const std::string path = std::string(LINKLOOM_GOLDEN_DIR) + "/seed-" +
                               seed + "-" + difficultyName(grade) + ".pack";
      SCOPED_TRACE(path);
      const PackReading stored = readPackFile(path);
      ASSERT_TRUE(stored.ok()) << stored.error;
      EXPECT_EQ(formatPack(generateLevels(std::stoull(seed),
                                          generatedLevelCount, grade)),
                formatPack(stored.levels));
    }
  }
}

TEST(LevelGenerator, SeedsAndGradesGiveDifferentLevels) {
  std::set<std::string> packs;
  std::set<std::string> levelTexts;
  for (std::uint64_t seed : {0ull, 20250101ull, ~0ull}) {
    for (Difficulty grade : allGrades) {
      const std::vector<Level> generated = generateLevels(seed, 2, grade);
      packs.insert(formatPack(generated));
      for (const Level& level : generated)
        levelTexts.insert(formatPack({level}).substr(10));
    }
  }
  EXPECT_EQ(packs.size(), 9u);
  EXPECT_EQ(levelTexts.size(), 18u);
}

TEST(LevelGenerator, EveryLevelIsSolvableInItsGradeAndNoPuzzleIsSolvedAtStart) {
  Board board;
  board.build();
  for (Difficulty grade : allGrades) {
    for (const Level& level : generateLevels(3, 4, grade)) {
      SCOPED_TRACE(formatPack({level}));
      const LevelSolutions found = solve(board, level);
      EXPECT_GT(found.solvingChains, 0);
      EXPECT_EQ(gradeOf(found), grade);
      EXPECT_FALSE(board.startShape.equals(board.targetShape));
    }
  }
}

// The shortest solution of a hard level, clicked in through the link
// editing rules as a player would, solves it.
TEST(LevelGenerator, TheShortestSolutionClickedInSolvesTheLevel) {
  Board board;
  board.build();
  gameState() = GameState{};
  const Level level = generateLevels(11, 1, Difficulty::Hard).front();
  const LevelSolutions found = solve(board, level);
  ASSERT_FALSE(found.shortest.empty());
  std::vector<int> indices;
  for (const Node* node : found.shortest.front()) {
    for (int k = 0; k < boardNodeCount; ++k)
      if (board.node(k) == node) indices.push_back(k);
  }
  board.setLevel(level);
  EXPECT_FALSE(board.evaluate());
  const auto press = [&](int k) {
    board.pressAt(board.node(k)->x, board.node(k)->y, true, false, true);
  };
  for (std::size_t i = 0; i + 1 < indices.size(); ++i) {
    press(indices[i]);      // selects the node
    press(indices[i + 1]);  // links it onward
  }
  EXPECT_EQ(linkMode(), LinkMode::Idle);
  EXPECT_TRUE(board.evaluate());
}

}  // namespace
