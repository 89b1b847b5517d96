// The game's command line.
#include "app/command_line.h"

#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/option_reader.h"
#include "puzzle/daily.h"
#include "puzzle/level_pack.h"
#include "puzzle/level_set.h"

const char* const gameUsage =
    "usage: linkloom [--levels FILE | FILE | --seed N | --daily]\n"
    "                [--difficulty D] [--from-start] [--describe]\n"
    "                [toolkit options]\n"
    "  --levels FILE    play the levels of a pack (format in linkloom(6))\n"
    "  --seed N         play six generated levels of seed N (a whole number)\n"
    "  --daily          play the day's six generated levels, seeded by\n"
    "                   today's date in UTC: two easy, two medium, two hard\n"
    "  --difficulty D   easy, medium or hard generated levels (default\n"
    "                   medium; the daily's rise), with --seed or --daily\n"
    "  --from-start     play from level 1 rather than the first level not\n"
    "                   yet solved; what was solved stays kept\n"
    "  --describe       with a pack, --seed or --daily: say the play in\n"
    "                   words on standard output, a sentence a line\n"
    "  -h, --help       show this text\n"
    "  --version        show the version\n"
    "A bare FILE is a pack to play; -- ends the options. The window\n"
    "toolkit's options -display NAME, -geometry WxH+X+Y, -iconic, -sync,\n"
    "-direct, -indirect and -gldebug are passed on to it.\n";

namespace {

enum Option {
  Levels,
  Seed,
  Daily,
  DifficultyOption,
  FromStart,
  Describe,
  Help,
  Version
};
const std::vector<LongOption> gameOptions = {
    {"levels", true},     {"seed", true},        {"daily", false},
    {"difficulty", true}, {"from-start", false}, {"describe", false},
    {"help", false},      {"version", false}};
// What freeglut's glutInit reads from the command line itself.
const std::vector<ToolkitOption> toolkitOptions = {
    {"-display", 1}, {"-geometry", 1}, {"-iconic", 0}, {"-sync", 0},
    {"-direct", 0},  {"-indirect", 0}, {"-gldebug", 0}};

CommandLine failing(std::string error) {
  CommandLine result;
  result.action = CommandLine::Action::Fail;
  result.error = std::move(error);
  return result;
}

}  // namespace

CommandLine parseCommandLine(int argc, char** argv) {
  const OptionReading reading =
      readOptions(argc, argv, gameOptions, toolkitOptions);
  if (!reading.ok()) return failing(reading.error);
  CommandLine options;
  bool packGiven = false, seedGiven = false;
  for (const OptionReading::Given& given : reading.given) {
    switch (given.option) {
      case Help: options.action = CommandLine::Action::Help; return options;
      case Version:
        options.action = CommandLine::Action::Version;
        return options;
      case Daily: options.daily = options.seeded = true; break;
      case Levels:
        if (packGiven) return failing("more than one pack");
        if (given.value.empty()) return failing("an empty file name");
        options.levelsFile = given.value;
        packGiven = true;
        break;
      case Seed:
        if (!readSeed(given.value, options.seed))
          return failing("--seed takes a whole number, not " +
                         clipped(given.value));
        options.seeded = seedGiven = true;
        break;
      case DifficultyOption: {
        const auto difficulty = difficultyNamed(given.value);
        if (!difficulty)
          return failing("--difficulty takes easy, medium or hard, not " +
                         clipped(given.value));
        options.difficulty = *difficulty;
        options.difficultyGiven = true;
        break;
      }
      case FromStart: options.fromStart = true; break;
      case Describe: options.describe = true; break;
    }
  }
  for (const std::string& file : reading.files) {
    if (packGiven) return failing("more than one pack");
    options.levelsFile = file;
    packGiven = true;
  }
  if (options.seeded && packGiven)
    return failing("a pack cannot go with --seed or --daily");
  if (options.daily && seedGiven)
    return failing("--daily cannot go with --seed");
  if (options.difficultyGiven && !options.seeded)
    return failing("--difficulty goes with --seed or --daily");
  if (options.fromStart && !options.seeded && !packGiven)
    return failing("--from-start goes with --levels, --seed or --daily");
  // The words are guided play's; the classic game stays as it was.
  if (options.describe && !options.seeded && !packGiven)
    return failing("--describe goes with --levels, --seed or --daily");
  for (std::size_t at = 1; at + 1 < reading.passedOn.size(); ++at)
    if (std::string(reading.passedOn[at]) == "-geometry")
      options.geometry = reading.passedOn[at + 1];
  options.toolkitArgs = reading.passedOn;
  options.toolkitArgs.push_back(nullptr);
  return options;
}

bool readSeed(const std::string& text, std::uint64_t& seed) {
  if (text.empty() || text[0] < '0' || text[0] > '9') return false;
  char* end = nullptr;
  errno = 0;
  const unsigned long long read = std::strtoull(text.c_str(), &end, 10);
  seed = read;
  return errno == 0 && *end == '\0';
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
    // Made beside play once the title shows.
    planLevels(
        options.daily && !options.difficultyGiven
            ? dailyRecipes(seed)
            : levelRecipes(seed, generatedLevelCount, options.difficulty));
  }
  return true;
}
