// Statistics read from kept progress, as the browser page shows them.
#include "puzzle/play_stats.h"

#include <gtest/gtest.h>

namespace {

PuzzleProgress solvedLevels(const std::string& name, int count) {
  PuzzleProgress puzzle{name, 1, {}};
  for (int level = 0; level < count; ++level)
    puzzle.solved.push_back({level, 1000, 0});
  return puzzle;
}

TEST(PlayStats, DailiesStreaksAndLevelsByDifficultyComeFromTheProgress) {
  Progress progress;
  progress.puzzles = {
      solvedLevels("daily 2026-12-01", 6),
      solvedLevels("daily 2026-12-02", 6),
      solvedLevels("daily 2026-12-03", 6),
      solvedLevels("daily 2026-12-05", 5),  // not finished: a gap
      solvedLevels("daily 2026-12-07", 6),
      solvedLevels("daily 2026-12-08 hard", 6),
      solvedLevels("seed 42 medium", 3),
      solvedLevels("pack 0123456789abcdef", 4)};
  progress.streak = {20261208, 2};

  const PlayStats stats = playStats(progress, 20261209);
  EXPECT_EQ(stats.dailiesFinished, 5);
  EXPECT_EQ(stats.streak, 2);  // yesterday's goes on until today ends
  EXPECT_EQ(stats.bestStreak, 3);
  // Dailies rise two easy, two medium, two hard; the hard daily is all
  // hard, the seed all medium, and the pack counts nowhere.
  EXPECT_EQ(stats.levelsSolved, (std::array<int, 3>{10, 13, 15}));
  EXPECT_EQ(stats.text(),
            "5 dailies finished, streak 2 (best 3); levels solved: 10 easy, "
            "13 medium, 15 hard");

  // A day missed ends the streak shown.
  EXPECT_EQ(playStats(progress, 20261210).streak, 0);
  EXPECT_EQ(playStats(progress, 20261210).bestStreak, 3);
}

TEST(PlayStats, NoProgressAndOddNamesGiveZeroes) {
  EXPECT_EQ(playStats(Progress{}, 20261208).text(),
            "0 dailies finished, streak 0 (best 0); levels solved: 0 easy, 0 "
            "medium, 0 hard");
  Progress odd;
  odd.puzzles = {solvedLevels("daily 2026-1x-08", 6), solvedLevels("daily", 6),
                 solvedLevels("seed", 2)};
  const PlayStats stats = playStats(odd, 20261208);
  EXPECT_EQ(stats.dailiesFinished, 0);
  EXPECT_EQ(stats.bestStreak, 0);
}

}  // namespace
