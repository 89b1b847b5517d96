// The daily: its six levels rising in difficulty, the streak of days in a
// row with it finished, and the result line a player pastes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "puzzle/level_generator.h"
#include "puzzle/levels.h"
#include "puzzle/progress.h"

// The day's levels from its seed: two easy, two medium, then two hard.
std::vector<LevelRecipe> dailyRecipes(std::uint64_t seed);
// The levels of dailyRecipes, at once.
std::vector<Level> dailyLevels(std::uint64_t seed);

// Days since 1970-01-01 of a date written YYYYMMDD, in the proleptic
// Gregorian calendar.
long daysSinceEpoch(int date);

// The streak once the daily of date (YYYYMMDD) is finished: one day more
// when the last finished daily was the day before (up to maxStreakDays),
// the same when it was that day or later, else a streak of 1 from that day.
DailyStreak streakAfterFinishing(DailyStreak streak, int date);

// "Linkloom daily 2026-12-08: 6/6 in 7:42, 5 without a hint, 1 with 1
// hint, streak 3": the levels of the puzzle solved of setSize, their
// time added up, how many were solved without a hint and how many with
// how many hints, and the streak's days.
std::string dailyResultLine(const PuzzleProgress& puzzle, int setSize, int date,
                            int streakDays);
