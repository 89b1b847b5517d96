// The daily's levels, streak and result line.
#include "puzzle/daily.h"

#include <algorithm>
#include <cstdio>

#include "puzzle/guided_play.h"
#include "puzzle/level_generator.h"

namespace {
// Levels of each difficulty, easy first.
constexpr int kLevelsPerDifficulty = generatedLevelCount / 3;
}  // namespace

std::vector<LevelRecipe> dailyRecipes(std::uint64_t seed) {
  std::vector<LevelRecipe> recipes;
  for (Difficulty difficulty :
       {Difficulty::Easy, Difficulty::Medium, Difficulty::Hard}) {
    const std::vector<LevelRecipe> some =
        levelRecipes(seed, kLevelsPerDifficulty, difficulty);
    recipes.insert(recipes.end(), some.begin(), some.end());
  }
  return recipes;
}

std::vector<Level> dailyLevels(std::uint64_t seed) {
  std::vector<Level> levels;
  for (const LevelRecipe& recipe : dailyRecipes(seed))
    levels.push_back(generateLevel(recipe));
  return levels;
}

long daysSinceEpoch(int date) {
  // Howard Hinnant's days_from_civil: years start in March, so the leap
  // day ends the year.
  long year = date / 10000;
  const long month = date / 100 % 100, day = date % 100;
  year -= month <= 2;
  const long era = (year >= 0 ? year : year - 399) / 400;
  const long yearOfEra = year - era * 400;
  const long dayOfYear =
      (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const long dayOfEra =
      yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

DailyStreak streakAfterFinishing(DailyStreak streak, int date) {
  if (streak.days <= 0 || streak.lastDate == 0) return {date, 1};
  const long gap = daysSinceEpoch(date) - daysSinceEpoch(streak.lastDate);
  if (gap <= 0) return streak;
  if (gap == 1) return {date, std::min(streak.days + 1, maxStreakDays)};
  return {date, 1};
}

std::string dailyResultLine(const PuzzleProgress& puzzle, int setSize, int date,
                            int streakDays) {
  long milliseconds = 0;
  HintCount count;
  for (const SolvedLevel& level : puzzle.solved) {
    if (level.level >= setSize) continue;
    milliseconds += level.milliseconds;
    count.add(level.hints);
  }
  char line[200];
  std::snprintf(line, sizeof line,
                "Linkloom daily %04d-%02d-%02d: %d/%d in %s, %s, streak %d",
                date / 10000, date / 100 % 100, date % 100, count.solved(),
                setSize, clockText(milliseconds / 1000.0).c_str(),
                count.text().c_str(), streakDays);
  return line;
}
