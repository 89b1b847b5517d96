// The daily: levels that rise in difficulty, a streak of UTC days in a row
// over simulated days, and the line a player pastes.
#include "puzzle/daily.h"

#include <gtest/gtest.h>

#include "puzzle/board.h"
#include "puzzle/chain_search.h"
#include "puzzle/level_generator.h"

namespace {

TEST(Daily, TwoEasyTwoMediumTwoHard) {
  const std::vector<Level> day = dailyLevels(20261208);
  ASSERT_EQ(day.size(), 6u);
  const Difficulty expected[] = {Difficulty::Easy,   Difficulty::Easy,
                                 Difficulty::Medium, Difficulty::Medium,
                                 Difficulty::Hard,   Difficulty::Hard};
  Board board;
  board.build();
  for (int i = 0; i < 6; ++i) {
    board.setLevel(day[i]);
    EXPECT_EQ(gradeOf(solveLoadedLevel(board)), expected[i]) << "level " << i;
  }
  EXPECT_NE(dailyLevels(20261209)[0].targetHue, day[0].targetHue);
}

TEST(Daily, DatesCountAcrossMonthsYearsAndLeapDays) {
  EXPECT_EQ(daysSinceEpoch(19700101), 0);
  EXPECT_EQ(daysSinceEpoch(20261208), 20795);
  EXPECT_EQ(daysSinceEpoch(20240301) - daysSinceEpoch(20240228), 2);
  EXPECT_EQ(daysSinceEpoch(21000301) - daysSinceEpoch(21000228), 1);
  EXPECT_EQ(daysSinceEpoch(20270101) - daysSinceEpoch(20261231), 1);
}

TEST(Daily, TheStreakCountsUtcDaysInARow) {
  DailyStreak streak;
  // Three days in a row across a year's end; finishing again the same day
  // adds nothing.
  streak = streakAfterFinishing(streak, 20261230);
  EXPECT_EQ(streak.days, 1);
  streak = streakAfterFinishing(streak, 20261231);
  streak = streakAfterFinishing(streak, 20261231);
  streak = streakAfterFinishing(streak, 20270101);
  EXPECT_EQ(streak.days, 3);
  EXPECT_EQ(streak.lastDate, 20270101);
  // A day missed starts again from one; a clock turned back changes nothing.
  EXPECT_EQ(streakAfterFinishing(streak, 20261229).days, 3);
  streak = streakAfterFinishing(streak, 20270103);
  EXPECT_EQ(streak.days, 1);
  EXPECT_EQ(streak.lastDate, 20270103);
}

TEST(Daily, TheResultLineAddsUpTheKeptLevels) {
  PuzzleProgress day{"daily 2026-12-08", 1, {}};
  const int seconds[] = {61, 75, 80, 90, 95, 61};
  for (int i = 0; i < 6; ++i) day.solved.push_back({i, seconds[i] * 1000, 0});
  day.solved[3].hints = 1;
  day.solved[5].milliseconds += 999;  // a part second is not shown
  EXPECT_EQ(dailyResultLine(day, 6, 20261208, 3),
            "Linkloom daily 2026-12-08: 6/6 in 7:42, 5 without a hint, 1 "
            "with 1 hint, streak 3");
  day.solved.erase(day.solved.begin());
  day.solved[0].hints = 2;  // two levels with hints now, three hints
  EXPECT_EQ(dailyResultLine(day, 6, 20261208, 0),
            "Linkloom daily 2026-12-08: 5/6 in 6:41, 3 without a hint, 2 "
            "with 3 hints, streak 0");
  // No hint at all still says so, beside the levels without one.
  for (SolvedLevel& level : day.solved) level.hints = 0;
  EXPECT_EQ(dailyResultLine(day, 6, 20261208, 1),
            "Linkloom daily 2026-12-08: 5/6 in 6:41, 5 without a hint, 0 "
            "with hints, streak 1");
}

}  // namespace
