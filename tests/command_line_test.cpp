// The game's command line read without a window: what each option asks for,
// and what is left for the window toolkit.
#include "app/command_line.h"

#include <gtest/gtest.h>

#include "app/puzzle_name.h"
#include "puzzle/daily.h"
#include "puzzle/level_set.h"
#include "puzzle/progress.h"

namespace {

CommandLine parse(std::vector<std::string> args) {
  static std::vector<std::string> kept;  // outlives the parsed pointers
  kept = std::move(args);
  kept.insert(kept.begin(), "linkloom");
  std::vector<char*> argv;
  for (std::string& arg : kept) argv.push_back(arg.data());
  return parseCommandLine(static_cast<int>(argv.size()), argv.data());
}

TEST(CommandLine, OptionsAndWhatTheyAskFor) {
  EXPECT_EQ(parse({}).action, CommandLine::Action::Play);
  EXPECT_EQ(parse({"--help", "--bogus"}).action, CommandLine::Action::Help);
  EXPECT_EQ(parse({"--version"}).action, CommandLine::Action::Version);
  EXPECT_EQ(parse({"--levels", "a.pack"}).levelsFile, "a.pack");

  const CommandLine seeded =
      parse({"--seed", "18446744073709551615", "--difficulty", "hard"});
  EXPECT_EQ(seeded.action, CommandLine::Action::Play);
  EXPECT_TRUE(seeded.seeded);
  EXPECT_EQ(seeded.seed, ~0ull);
  EXPECT_EQ(seeded.difficulty, Difficulty::Hard);
  const CommandLine daily = parse({"--daily"});
  EXPECT_TRUE(daily.seeded && daily.daily);
  EXPECT_EQ(daily.difficulty, Difficulty::Medium);
  EXPECT_FALSE(daily.difficultyGiven || daily.fromStart);
  EXPECT_TRUE(seeded.difficultyGiven);
  EXPECT_TRUE(parse({"--from-start", "--levels", "a.pack"}).fromStart);
  EXPECT_TRUE(parse({"--daily", "--from-start"}).fromStart);
}

TEST(CommandLine, ValuesAfterEqualsBareFilesAndTheEndOfOptions) {
  EXPECT_EQ(parse({"--levels=a.pack"}).levelsFile, "a.pack");
  EXPECT_EQ(parse({"--lev", "a.pack"}).levelsFile, "a.pack");
  EXPECT_EQ(parse({"my.pack"}).levelsFile, "my.pack");
  EXPECT_EQ(parse({"--", "--daily"}).levelsFile, "--daily");
  EXPECT_EQ(parse({"--", "-display"}).levelsFile, "-display");
  EXPECT_EQ(parse({"--levels", "-iconic"}).levelsFile, "-iconic")
      << "a value is taken whole, even when it looks like an option";
  const CommandLine seeded = parse({"--seed=7", "--difficulty=easy"});
  EXPECT_EQ(seeded.seed, 7u);
  EXPECT_EQ(seeded.difficulty, Difficulty::Easy);
  EXPECT_EQ(parse({"-h"}).action, CommandLine::Action::Help);
  EXPECT_EQ(parse({"-h", "-bogus"}).action, CommandLine::Action::Help);
}

TEST(CommandLine, ToolkitOptionsArePassedOnInOrderAmongTheGamesOwn) {
  const CommandLine options =
      parse({"-display", ":7", "--daily", "-geometry", "+1+2", "-iconic",
             "-sync", "--difficulty=hard"});
  const std::vector<std::string> expected = {
      "linkloom", "-display", ":7", "-geometry", "+1+2", "-iconic", "-sync"};
  ASSERT_EQ(options.toolkitArgs.size(), expected.size() + 1);
  for (std::size_t i = 0; i < expected.size(); ++i)
    EXPECT_EQ(options.toolkitArgs[i], expected[i]);
  EXPECT_EQ(options.toolkitArgs.back(), nullptr);
  EXPECT_TRUE(options.daily);
  EXPECT_EQ(options.difficulty, Difficulty::Hard);

  const CommandLine pack = parse({"-sync", "my.pack", "-display", ":1"});
  EXPECT_EQ(pack.levelsFile, "my.pack");
  EXPECT_EQ(pack.toolkitArgs.size(), 5u);
}

TEST(CommandLine, MistakesAreOneLineErrors) {
  const std::string longWord(300, 'x');
  const struct {
    std::vector<std::string> args;
    std::string error;
  } cases[] = {
      {{"--bogus"}, "unknown option --bogus"},
      {{"--bogus=1"}, "unknown option --bogus=1"},
      {{"--d"}, "ambiguous option --d"},
      {{"-help"}, "unknown option -help"},
      {{"-levels", "x"}, "unknown option -levels"},
      {{"-seed", "5"}, "unknown option -seed"},
      {{"-"}, "unknown option -"},
      {{"-display"}, "-display needs a value"},
      {{"--levels"}, "--levels needs a value"},
      {{"--seed"}, "--seed needs a value"},
      {{"--daily=1"}, "--daily takes no value"},
      {{"--levels", ""}, "an empty file name"},
      {{"--levels="}, "an empty file name"},
      {{""}, "an empty file name"},
      {{"--", ""}, "an empty file name"},
      {{"a.pack", "b.pack"}, "more than one pack"},
      {{"--levels", "a", "b"}, "more than one pack"},
      {{"--seed", "-1"}, "--seed takes a whole number, not -1"},
      {{"--seed", "12x"}, "--seed takes a whole number, not 12x"},
      {{"--seed", "18446744073709551616"},
       "--seed takes a whole number, not 18446744073709551616"},
      {{"--seed", longWord},
       "--seed takes a whole number, not " + longWord.substr(0, 200) + "..."},
      {{"--" + longWord},
       "unknown option --" + longWord.substr(0, 198) + "..."},
      {{"--seed", "1", "--difficulty", "fiendish"},
       "--difficulty takes easy, medium or hard, not fiendish"},
      {{"--difficulty", "easy"}, "--difficulty goes with --seed or --daily"},
      {{"--levels", "a", "--seed", "1"},
       "a pack cannot go with --seed or --daily"},
      {{"a", "--daily"}, "a pack cannot go with --seed or --daily"},
      {{"--levels", "", "--seed", "1"}, "an empty file name"},
      {{"--daily", "--seed", "0"}, "--daily cannot go with --seed"},
      {{"--from-start"}, "--from-start goes with --levels, --seed or --daily"},
  };
  for (const auto& c : cases) {
    const CommandLine options = parse(c.args);
    EXPECT_EQ(options.action, CommandLine::Action::Fail) << c.error;
    EXPECT_EQ(options.error, c.error);
  }
}

TEST(CommandLine, TheDailySeedIsTheUtcDate) {
  EXPECT_EQ(dailySeed(0), 19700101u);
  EXPECT_EQ(dailySeed(1700000000), 20231114u);  // 22:13 UTC
  EXPECT_EQ(dailySeed(1709164800), 20240229u);
}

TEST(CommandLine, TheChosenLevelsBecomeTheLevelSet) {
  std::string error;
  EXPECT_FALSE(
      chooseLevels(parse({"--levels", "/nonexistent/pack"}), 0, error));
  EXPECT_EQ(error,
            "/nonexistent/pack:1:1: cannot read: No such file or directory");
  EXPECT_EQ(levelSetSize(), levelCount) << "a bad pack changes nothing";

  ASSERT_TRUE(chooseLevels(parse({"--daily", "--difficulty", "easy"}),
                           1700000000, error));
  const std::vector<Level> daily = levelSet();
  const std::vector<Level> seeded =
      generateLevels(20231114, generatedLevelCount, Difficulty::Easy);
  ASSERT_EQ(daily.size(), seeded.size());
  for (std::size_t i = 0; i < daily.size(); ++i)
    EXPECT_EQ(daily[i].targetHue, seeded[i].targetHue);
  // Without a difficulty the daily's levels rise from easy to hard.
  ASSERT_TRUE(chooseLevels(parse({"--daily"}), 1700000000, error));
  const std::vector<Level> rising = dailyLevels(20231114);
  ASSERT_EQ(levelSet().size(), rising.size());
  for (std::size_t i = 0; i < rising.size(); ++i)
    EXPECT_EQ(levelSet()[i].targetHue, rising[i].targetHue);
  useLevels({levels.begin(), levels.end()});
}

TEST(CommandLine, PuzzlesAreKeptUnderTheirModeAndWhatDefinesThem) {
  constexpr std::time_t now = 1700000000;  // 2023-11-14
  EXPECT_EQ(progressPuzzleName(parse({"--daily"}), now), "daily 2023-11-14");
  EXPECT_EQ(progressPuzzleName(parse({"--daily", "--difficulty", "hard"}), now),
            "daily 2023-11-14 hard");
  EXPECT_EQ(progressPuzzleName(parse({"--seed", "42"}), now), "seed 42 medium");
  EXPECT_EQ(
      progressPuzzleName(parse({"--seed", "42", "--difficulty", "easy"}), now),
      "seed 42 easy");
  // A pack by its levels, whatever its file is called.
  useLevels({levels.begin(), levels.end() - 1});
  const std::string pack = progressPuzzleName(parse({"--levels", "a"}), now);
  EXPECT_EQ(pack, packPuzzleName(levelSet()));
  EXPECT_EQ(progressPuzzleName(parse({"--levels", "b"}), now), pack);
  useLevels({levels.begin(), levels.end()});
  EXPECT_NE(progressPuzzleName(parse({"--levels", "a"}), now), pack);
}

}  // namespace
