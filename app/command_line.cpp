// The game's command line.
#include "app/command_line.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "puzzle/daily.h"
#include "puzzle/level_pack.h"
#include "puzzle/level_set.h"

const char* const gameUsage =
    "usage: linkloom [--levels FILE | --seed N | --daily] [--difficulty D]\n"
    "                [--from-start]\n"
    "  --levels FILE    play the levels of a pack (see docs/levels.md)\n"
    "  --seed N         play six generated levels of seed N (a whole number)\n"
    "  --daily          play the day's six generated levels, seeded by\n"
    "                   today's date in UTC: two easy, two medium, two hard\n"
    "  --difficulty D   easy, medium or hard generated levels (default\n"
    "                   medium; the daily's rise), with --seed or --daily\n"
    "  --from-start     play from level 1 rather than the first level not\n"
    "                   yet solved; what was solved stays kept\n"
    "  --help           show this text\n"
    "  --version        show the version\n"
    "Options of the window toolkit, such as -display NAME, are passed on.\n";

namespace {

bool wholeNumber(const char* text, std::uint64_t& value) {
  if (text[0] < '0' || text[0] > '9') return false;
  char* end = nullptr;
  errno = 0;
  const unsigned long long read = std::strtoull(text, &end, 10);
  value = read;
  return errno == 0 && *end == '\0';
}

CommandLine failing(std::string error) {
  CommandLine result;
  result.action = CommandLine::Action::Fail;
  result.error = std::move(error);
  return result;
}

}  // namespace

CommandLine parseCommandLine(int argc, char** argv) {
  CommandLine options;
  options.toolkitArgs.push_back(argv[0]);
  bool seedGiven = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.rfind("--", 0) != 0) {
      options.toolkitArgs.push_back(argv[i]);
      continue;
    }
    if (arg == "--help" || arg == "--version") {
      options.action = arg == "--help" ? CommandLine::Action::Help
                                       : CommandLine::Action::Version;
      return options;
    }
    if (arg == "--daily") {
      options.daily = options.seeded = true;
      continue;
    }
    if (arg == "--from-start") {
      options.fromStart = true;
      continue;
    }
    if (arg != "--levels" && arg != "--seed" && arg != "--difficulty")
      return failing("unknown option " + arg);
    if (i + 1 == argc) return failing(arg + " needs a value");
    const char* value = argv[++i];
    if (arg == "--levels") {
      options.levelsFile = value;
    } else if (arg == "--seed") {
      if (!wholeNumber(value, options.seed))
        return failing("--seed takes a whole number, not " +
                       std::string(value));
      options.seeded = seedGiven = true;
    } else {
      const auto difficulty = difficultyNamed(value);
      if (!difficulty)
        return failing("--difficulty takes easy, medium or hard, not " +
                       std::string(value));
      options.difficulty = *difficulty;
      options.difficultyGiven = true;
    }
  }
  if (options.seeded && !options.levelsFile.empty())
    return failing("--levels cannot go with --seed or --daily");
  if (options.daily && seedGiven)
    return failing("--daily cannot go with --seed");
  if (options.difficultyGiven && !options.seeded)
    return failing("--difficulty goes with --seed or --daily");
  if (options.fromStart && !options.seeded && options.levelsFile.empty())
    return failing("--from-start goes with --levels, --seed or --daily");
  options.toolkitArgs.push_back(nullptr);
  return options;
}

std::uint64_t dailySeed(std::time_t now) {
  std::tm date{};
  gmtime_r(&now, &date);
  return static_cast<std::uint64_t>(date.tm_year + 1900) * 10000 +
         static_cast<std::uint64_t>(date.tm_mon + 1) * 100 +
         static_cast<std::uint64_t>(date.tm_mday);
}

bool chooseLevels(const CommandLine& options, std::time_t now,
                  std::string& error) {
  if (!options.levelsFile.empty()) {
    PackReading pack = readPackFile(options.levelsFile);
    if (!pack.ok()) {
      error = pack.error;
      return false;
    }
    useLevels(std::move(pack.levels));
  } else if (options.seeded) {
    const std::uint64_t seed = options.daily ? dailySeed(now) : options.seed;
    useLevels(
        options.daily && !options.difficultyGiven
            ? dailyLevels(seed)
            : generateLevels(seed, generatedLevelCount, options.difficulty));
  }
  return true;
}
