// The name guided play shows.
#include "app/puzzle_name.h"

#include <cstdio>

std::optional<std::string> guidedPuzzleName(const CommandLine& options,
                                            std::time_t now) {
  if (!options.levelsFile.empty()) {
    const std::string& path = options.levelsFile;
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
  }
  if (!options.seeded) return std::nullopt;
  if (options.daily) {
    const std::uint64_t date = dailySeed(now);
    char text[32];
    std::snprintf(text, sizeof text, "Daily %04llu-%02llu-%02llu",
                  static_cast<unsigned long long>(date / 10000),
                  static_cast<unsigned long long>(date / 100 % 100),
                  static_cast<unsigned long long>(date % 100));
    return text;
  }
  return "Seed " + std::to_string(options.seed) + " - " +
         difficultyName(options.difficulty);
}
