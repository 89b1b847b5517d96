// Work beside play, done a few steps at a time however the frames fall
// between them: the hints' search gives what the whole search gives, a hint
// asked for during it comes when it ends, and generated levels come out as
// the seed's, level 1 first, with the board waiting for a level not made.
#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "puzzle/board.h"
#include "puzzle/chain_search.h"
#include "puzzle/game_state.h"
#include "puzzle/guided_play.h"
#include "puzzle/hint.h"
#include "puzzle/hint_search.h"
#include "puzzle/level_generator.h"
#include "puzzle/level_set.h"
#include "puzzle/link_editing.h"
#include "tests/chain.h"

namespace {

// The seed a new player tried in vain, hard: the slowest searches.
constexpr std::uint64_t kHardSeed = 27182;

// Step budgets from one step a slice, far slower than any frame gives,
// to more than a frame's worth.
constexpr long kBudgets[] = {3, 1L << 14};

// The six built-in levels, then the hard seed's six.
std::vector<Level> levelsToSearch() {
  std::vector<Level> all(builtInLevels.begin(), builtInLevels.end());
  for (const Level& level :
       generateLevels(kHardSeed, generatedLevelCount, Difficulty::Hard))
    all.push_back(level);
  return all;
}

// The shortest chains as node indices, since each search has a board of
// its own.
std::vector<std::vector<int>> shortestOn(const Board& board,
                                         const LevelSolutions& found) {
  std::vector<std::vector<int>> chains;
  for (const auto& chain : found.shortest) {
    chains.emplace_back();
    for (const Node* node : chain) chains.back().push_back(board.indexOf(node));
  }
  return chains;
}

void expectSameSolutions(const HintSearch& search, const Board& shown,
                         const LevelSolutions& want, std::size_t level) {
  const LevelSolutions& got = search.search.found;
  EXPECT_EQ(got.legalChains, want.legalChains) << "level " << level;
  EXPECT_EQ(got.solvingChains, want.solvingChains) << "level " << level;
  EXPECT_EQ(got.solvableWithoutClamp, want.solvableWithoutClamp);
  EXPECT_EQ(shortestOn(search.board, got), shortestOn(shown, want))
      << "level " << level;
  EXPECT_EQ(got.every, want.every) << "level " << level;
}

struct BesidePlay : ::testing::Test {
  Board b;
  GameState state;
  void SetUp() override {
    useLevels({builtInLevels.begin(), builtInLevels.end()});
    linkMode() = LinkMode::Idle;
    b.build();
  }
  // The level set is process-wide: later tests find the built-in one.
  void TearDown() override {
    useLevels({builtInLevels.begin(), builtInLevels.end()});
  }
};

TEST_F(BesidePlay, TheSearchInSlicesFindsWhatTheWholeSearchFinds) {
  const std::vector<Level> all = levelsToSearch();
  for (std::size_t level = 0; level < all.size(); ++level) {
    b.setLevel(all[level]);
    const LevelSolutions whole = solveLoadedLevel(b, true);
    for (const long budget : kBudgets) {
      HintSearch search;
      search.start(b);
      long slices = 1;
      while (!search.advance(budget)) ++slices;
      EXPECT_EQ(slices > 1, budget < search.search.stepsWalked);
      expectSameSolutions(search, b, whole, level);
    }
  }
}

// The player edits the links and presses h while the search runs; the
// hint that comes at its end is the one today's search gives for the
// chain on the board then, whatever the slices.
TEST_F(BesidePlay, AHintAskedDuringTheSearchIsTheWholeSearchsHintAtItsEnd) {
  const std::vector<Level> all = levelsToSearch();
  useLevels(all);
  const std::vector<std::pair<int, int>> wrongStart = {
      {0, 0}, {0, 1}, {1, 1}, {1, 2}};
  for (std::size_t level = 0; level < all.size(); ++level) {
    for (const long budget : kBudgets) {
      GuidedPlay play;
      b.levelIndex = static_cast<int>(level);
      b.loadLevel();
      play.advance(b, state, 0.0);
      ASSERT_TRUE(play.searching);
      auto search = std::make_unique<HintSearch>();
      search->start(b);
      play.askHint(b, state);
      EXPECT_TRUE(play.hintWaiting);
      EXPECT_EQ(play.hint.kind, Hint::Kind::None);
      // A frame between slices: now and then a link of the wrong start.
      Node* from = b.sourceNode;
      std::size_t linked = 0;
      for (long slice = 0; !search->advance(budget); ++slice) {
        if (slice % 2000 != 0 || linked == wrongStart.size()) continue;
        const auto [row, column] = wrongStart[linked++];
        from->next = b.gridNode(row, column);
        from = from->next;
        play.afterPress(b);
        EXPECT_TRUE(play.hintWaiting) << "an edit keeps the hint waiting";
      }
      play.takeSolutions(b, state, std::move(search->search.found));
      const Hint want = findHint(b, solveLoadedLevel(b, true));
      EXPECT_FALSE(play.hintWaiting);
      EXPECT_EQ(play.hint.kind, want.kind) << "level " << level;
      EXPECT_EQ(play.hint.from, want.from) << "level " << level;
      EXPECT_EQ(play.hint.to, want.to) << "level " << level;
      EXPECT_EQ(play.hintsUsed, want.kind == Hint::Kind::None ? 0 : 1);
      clearLinks(b);
    }
  }
}

// A search dropped before its end, as a level left early drops it, leaves
// nothing behind (the sanitizer build checks) and the next level's search
// starts afresh.
TEST_F(BesidePlay, ALevelLeftEarlyDropsItsSearchAndTheNextStartsAfresh) {
  GuidedPlay play;
  play.advance(b, state, 0.0);
  const int firstStart = play.levelStarts;
  auto search = std::make_unique<HintSearch>();
  search->start(b);
  EXPECT_FALSE(search->advance(50));
  play.askHint(b, state);
  search.reset();
  b.levelIndex = 1;
  b.loadLevel();
  play.advance(b, state, 0.0);
  EXPECT_EQ(play.levelStarts, firstStart + 1);
  EXPECT_TRUE(play.searching);
  EXPECT_FALSE(play.hintWaiting) << "the hint asked on level 1 is gone";
}

TEST_F(BesidePlay, LevelsMadeInSlicesAreTheSeedsLevels) {
  const std::vector<Level> seeds =
      generateLevels(kHardSeed, generatedLevelCount, Difficulty::Hard);
  const std::vector<LevelRecipe> recipes =
      levelRecipes(kHardSeed, generatedLevelCount, Difficulty::Hard);
  for (const long budget : {5L, 1L << 14}) {
    for (std::size_t i = 0; i < recipes.size(); i += 5) {
      auto making = std::make_unique<LevelMaking>();
      making->start(recipes[i]);
      while (!making->advance(budget)) {
      }
      Board made, want;
      made.layOut();
      want.layOut();
      made.setLevel(making->level);
      want.setLevel(seeds[i]);
      EXPECT_EQ(solveLoadedLevel(made).every, solveLoadedLevel(want).every);
      EXPECT_EQ(making->level.targetHue, seeds[i].targetHue);
      EXPECT_EQ(making->level.nodeRed, seeds[i].nodeRed);
      EXPECT_EQ(making->level.nodeBlue, seeds[i].nodeBlue);
    }
  }
}

// The board shows the title while the levels are made: it names six
// levels at once, loads none until level 1 is made, and then plays
// exactly the seed's levels in order.
TEST_F(BesidePlay, APlannedSetWaitsForEachLevelAndPlaysTheSeedsLevels) {
  const std::vector<Level> seeds =
      generateLevels(kHardSeed, generatedLevelCount, Difficulty::Hard);
  planLevels(levelRecipes(kHardSeed, generatedLevelCount, Difficulty::Hard));
  EXPECT_EQ(levelSetSize(), generatedLevelCount);
  b.build();
  EXPECT_FALSE(levelReady(0));
  EXPECT_FALSE(b.targetShape.hue == seeds[0].targetHue &&
               b.targetShape.size == seeds[0].targetSize &&
               b.targetShape.sides == seeds[0].targetSides)
      << "nothing loaded before level 1 is made";
  for (int index = 0; index < generatedLevelCount; ++index) {
    const auto recipe = nextLevelToMake();
    ASSERT_TRUE(recipe.has_value());
    EXPECT_EQ(recipe->index, index) << "level 1 first, then in order";
    LevelMaking making;
    making.start(*recipe);
    b.levelIndex = index;
    for (long slice = 0; !making.advance(1L << 10); ++slice) {
      b.loadLevel();
      EXPECT_FALSE(levelReady(index));
    }
    addMadeLevel(making.level);
    ASSERT_TRUE(levelReady(index));
    b.loadLevel();
    EXPECT_EQ(b.targetShape.hue, seeds[index].targetHue);
    EXPECT_EQ(b.targetShape.size, seeds[index].targetSize);
    EXPECT_EQ(b.targetShape.sides, seeds[index].targetSides);
    EXPECT_EQ(b.gridNode(1, 2)->hueDelta, seeds[index].deltas[6].hueDelta);
  }
  EXPECT_FALSE(nextLevelToMake().has_value());
}

}  // namespace
