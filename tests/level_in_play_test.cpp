// A level left part-way comes back as it was left, and nothing else does;
// play resumed adds up as the kept progress does.
#include "puzzle/level_in_play.h"

#include <gtest/gtest.h>

#include "puzzle/daily.h"
#include "puzzle/level_set.h"
#include "puzzle/link_editing.h"

namespace {

struct LevelInPlayTest : ::testing::Test {
  Board b;
  GameState state;
  GuidedPlay play;
  void SetUp() override {
    useLevels({builtInLevels.begin(), builtInLevels.end()});
    linkMode() = LinkMode::Idle;
    b.build();
  }
  // Two links made on level 2, 65.4 seconds and 2 hints into it.
  LevelInPlay leftPartWay() {
    b.levelIndex = 1;
    b.loadLevel();
    play.advance(b, state, 0.0);
    b.sourceNode->next = b.gridNode(0, 0);
    b.gridNode(0, 0)->next = b.gridNode(1, 0);
    play.levelSeconds = 65.4;
    play.levelHints = 2;
    return levelInPlay("seed 42 hard", b, play);
  }
};

TEST_F(LevelInPlayTest, ALevelKeptComesBackWithItsLinksTimeAndHints) {
  const LevelInPlay left = leftPartWay();
  const std::string text = formatLevelInPlay(left);
  EXPECT_EQ(text.rfind("puzzle seed 42 hard\nlevel 1\nlinks 4 -1 ", 0), 0u)
      << text;
  const auto read = parseLevelInPlay(text);
  ASSERT_TRUE(read.has_value()) << text;
  EXPECT_EQ(read->milliseconds, 65400);
  EXPECT_EQ(read->hints, 2);

  // A reload: the same level started afresh, its links gone.
  Board again;
  again.build();
  again.levelIndex = 1;
  again.loadLevel();
  GuidedPlay resumed;
  resumed.advance(again, state, 0.25);
  ASSERT_TRUE(resumeLevelInPlay(*read, again, resumed));
  EXPECT_EQ(LinkHistory::linksOf(again), LinkHistory::linksOf(b));
  // The time kept adds onto the quarter second played since the reload.
  EXPECT_NEAR(resumed.levelSeconds, 65.65, 1e-9);
  EXPECT_EQ(resumed.levelHints, 2);
  EXPECT_EQ(resumed.hintsUsed, 2);
  // The links put back are where undo stops.
  EXPECT_FALSE(resumed.undo(again, state));
  EXPECT_EQ(LinkHistory::linksOf(again), LinkHistory::linksOf(b));
}

TEST_F(LevelInPlayTest, AKeptLevelOfAnotherLevelChangesNothing) {
  const LevelInPlay left = leftPartWay();
  Board other;
  other.build();  // level 1, not the level kept
  GuidedPlay fresh;
  fresh.advance(other, state, 0.0);
  EXPECT_FALSE(resumeLevelInPlay(left, other, fresh));
  EXPECT_EQ(other.sourceNode->next, nullptr);
  EXPECT_EQ(fresh.levelSeconds, 0.0);
}

TEST_F(LevelInPlayTest, TextOtherThanAKeptLevelReadsAsNone) {
  const std::string good = formatLevelInPlay(leftPartWay());
  ASSERT_TRUE(parseLevelInPlay(good).has_value());
  const auto replaced = [&](const std::string& from, const std::string& to) {
    std::string text = good;
    text.replace(text.find(from), from.size(), to);
    return text;
  };
  for (const std::string& bad :
       {std::string(), std::string("not a level"), good.substr(0, 40),
        good + "more\n", replaced("level 1", "level -1"),
        replaced("level 1", "level x"), replaced("links 4", "links 18"),
        replaced("links 4", "links 0"),  // a node linked to itself
        replaced("links 4", "links 4 3"),
        replaced("milliseconds 65400", "milliseconds 9999999999"),
        replaced("hints 2", "hints two"), replaced("puzzle", "puzzel")})
    EXPECT_FALSE(parseLevelInPlay(bad).has_value()) << bad;
}

TEST_F(LevelInPlayTest, KeptLevelsCountAsTheDailysResultLineDoes) {
  PuzzleProgress puzzle{"daily 2026-12-08", 1, {}};
  puzzle.solved = {{0, 20000, 0},
                   {1, 30500, 3},
                   {2, 9500, 0},
                   {9, 1000, 1}};  // the last outside the set
  play.totalSeconds = 3.0;
  play.levelsSolved = 1;
  countKeptLevels(puzzle, 6, play);
  EXPECT_EQ(play.levelsSolved, 3);
  EXPECT_EQ(play.hintsUsed, 3);
  EXPECT_DOUBLE_EQ(play.totalSeconds, 60.0);
  EXPECT_EQ(play.helpText(), "2 without a hint, 1 with 3 hints");
  const std::string result = dailyResultLine(puzzle, 6, 20261208, 0);
  EXPECT_NE(result.find("3/6 in 1:00, 2 without a hint, 1 with 3 hints"),
            std::string::npos)
      << result;
}

}  // namespace
