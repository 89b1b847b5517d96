// The name guided play shows.
#include "app/puzzle_name.h"

#include <cstdio>

#include "puzzle/level_set.h"
#include "puzzle/progress.h"

namespace {

// The daily's date, "2026-12-08".
std::string dailyDate(std::time_t now) {
  const std::uint64_t date = dailySeed(now);
  char text[32];
  std::snprintf(text, sizeof text, "%04llu-%02llu-%02llu",
                static_cast<unsigned long long>(date / 10000),
                static_cast<unsigned long long>(date / 100 % 100),
                static_cast<unsigned long long>(date % 100));
  return text;
}

}  // namespace

std::optional<std::string> guidedPuzzleName(const CommandLine& options,
                                            std::time_t now) {
  if (!options.levelsFile.empty()) {
    const std::string& path = options.levelsFile;
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
  }
  if (!options.seeded) return std::nullopt;
  if (options.daily) return "Daily " + dailyDate(now);
  return "Seed " + std::to_string(options.seed) + " - " +
         difficultyName(options.difficulty);
}

std::string progressPuzzleName(const CommandLine& options, std::time_t now) {
  if (!options.levelsFile.empty()) return packPuzzleName(levelSet());
  const std::string difficulty = difficultyName(options.difficulty);
  if (options.daily)
    return "daily " + dailyDate(now) +
           (options.difficultyGiven ? " " + difficulty : "");
  return "seed " + std::to_string(options.seed) + " " + difficulty;
}
