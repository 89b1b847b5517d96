// Statistics from the kept progress.
#include "puzzle/play_stats.h"

#include <algorithm>
#include <optional>
#include <set>
#include <string_view>

#include "puzzle/daily.h"
#include "puzzle/level_generator.h"

namespace {

constexpr int kLevelsPerDifficulty = generatedLevelCount / 3;

// "2026-12-08" as 20261208; nothing for any other text.
std::optional<int> dateOf(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-')
    return std::nullopt;
  int date = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i == 4 || i == 7) continue;
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    date = date * 10 + (text[i] - '0');
  }
  return date;
}

// The difficulty a puzzle's name ends with, if any.
std::optional<Difficulty> lastWordDifficulty(std::string_view name) {
  const std::size_t space = name.rfind(' ');
  if (space == std::string_view::npos) return std::nullopt;
  return difficultyNamed(name.substr(space + 1));
}

void countLevels(const PuzzleProgress& puzzle,
                 std::optional<Difficulty> difficulty, bool daily,
                 PlayStats& stats) {
  for (const SolvedLevel& level : puzzle.solved) {
    if (level.level >= generatedLevelCount) continue;
    const Difficulty made =
        difficulty
            ? *difficulty
            : static_cast<Difficulty>(level.level / kLevelsPerDifficulty);
    if (difficulty || daily) ++stats.levelsSolved[static_cast<int>(made)];
  }
}

}  // namespace

std::string PlayStats::text() const {
  std::string line =
      std::to_string(dailiesFinished) +
      (dailiesFinished == 1 ? " daily finished" : " dailies finished") +
      ", streak " + std::to_string(streak) + " (best " +
      std::to_string(bestStreak) + "); levels solved:";
  for (int difficulty = 0; difficulty < 3; ++difficulty)
    line += std::string(difficulty == 0 ? " " : ", ") +
            std::to_string(levelsSolved[difficulty]) + " " +
            difficultyName(static_cast<Difficulty>(difficulty));
  return line;
}

PlayStats playStats(const Progress& progress, int today) {
  PlayStats stats;
  std::set<long> finishedDays;
  for (const PuzzleProgress& puzzle : progress.puzzles) {
    const std::string_view name = puzzle.name;
    const bool daily = name.rfind("daily ", 0) == 0;
    const bool seed = name.rfind("seed ", 0) == 0;
    if (!daily && !seed) continue;
    const std::optional<Difficulty> difficulty =
        daily && name.size() == 16 ? std::nullopt : lastWordDifficulty(name);
    countLevels(puzzle, difficulty, daily, stats);
    const auto date = daily ? dateOf(name.substr(6, 10)) : std::nullopt;
    const auto solved = std::count_if(
        puzzle.solved.begin(), puzzle.solved.end(),
        [](const SolvedLevel& l) { return l.level < generatedLevelCount; });
    if (date && solved >= generatedLevelCount) {
      ++stats.dailiesFinished;
      finishedDays.insert(daysSinceEpoch(*date));
    }
  }
  // Dailies of the same day at other difficulties count as one day.
  int run = 0;
  long previous = 0;
  for (const long day : finishedDays) {
    run = run > 0 && day == previous + 1 ? run + 1 : 1;
    previous = day;
    stats.bestStreak = std::max(stats.bestStreak, run);
  }
  const long gap =
      daysSinceEpoch(today) - daysSinceEpoch(progress.streak.lastDate);
  if (progress.streak.lastDate != 0 && gap >= 0 && gap <= 1)
    stats.streak = progress.streak.days;
  stats.bestStreak = std::max(stats.bestStreak, stats.streak);
  return stats;
}
