// The game's command line read without a window: what each option asks for,
// and what is left for the window toolkit; and the browser page's address,
// which stands for a command line.
#include "app/command_line.h"

#include <gtest/gtest.h>

#include "app/page_address.h"
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
  EXPECT_TRUE(parse({"--seed", "4", "--describe"}).describe);
  EXPECT_FALSE(daily.describe);
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
      {{"--describe"}, "--describe goes with --levels, --seed or --daily"},
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

  // Generated levels are planned, and made later beside play: here at once.
  const auto makeEveryPlannedLevel = [] {
    while (const auto recipe = nextLevelToMake())
      addMadeLevel(generateLevel(*recipe));
  };
  ASSERT_TRUE(chooseLevels(parse({"--daily", "--difficulty", "easy"}),
                           1700000000, error));
  EXPECT_EQ(levelSetSize(), generatedLevelCount);
  EXPECT_TRUE(levelSet().empty());
  makeEveryPlannedLevel();
  const std::vector<Level> daily = levelSet();
  const std::vector<Level> seeded =
      generateLevels(20231114, generatedLevelCount, Difficulty::Easy);
  ASSERT_EQ(daily.size(), seeded.size());
  for (std::size_t i = 0; i < daily.size(); ++i)
    EXPECT_EQ(daily[i].targetHue, seeded[i].targetHue);
  // Without a difficulty the daily's levels rise from easy to hard.
  ASSERT_TRUE(chooseLevels(parse({"--daily"}), 1700000000, error));
  makeEveryPlannedLevel();
  const std::vector<Level> rising = dailyLevels(20231114);
  ASSERT_EQ(levelSet().size(), rising.size());
  for (std::size_t i = 0; i < rising.size(); ++i)
    EXPECT_EQ(levelSet()[i].targetHue, rising[i].targetHue);
  useLevels({builtInLevels.begin(), builtInLevels.end()});
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
  useLevels({builtInLevels.begin(), builtInLevels.end() - 1});
  const std::string pack = progressPuzzleName(parse({"--levels", "a"}), now);
  EXPECT_EQ(pack, packPuzzleName(levelSet()));
  EXPECT_EQ(progressPuzzleName(parse({"--levels", "b"}), now), pack);
  useLevels({builtInLevels.begin(), builtInLevels.end()});
  EXPECT_NE(progressPuzzleName(parse({"--levels", "a"}), now), pack);
}

// The page's address starts what the same command line starts: the names
// shown and kept are the desktop's.
void expectSamePuzzle(const std::string& fragment,
                      std::vector<std::string> args) {
  constexpr std::time_t now = 1700000000;
  const PageAddress address = readPageAddress(fragment);
  ASSERT_TRUE(address.ok()) << fragment << ": " << address.error;
  const CommandLine options = parse(std::move(args));
  EXPECT_EQ(address.options.levelsFile, options.levelsFile) << fragment;
  EXPECT_EQ(address.options.seeded, options.seeded) << fragment;
  EXPECT_EQ(address.options.daily, options.daily) << fragment;
  EXPECT_EQ(address.options.seed, options.seed) << fragment;
  EXPECT_EQ(address.options.difficulty, options.difficulty) << fragment;
  EXPECT_EQ(address.options.difficultyGiven, options.difficultyGiven)
      << fragment;
  EXPECT_EQ(guidedPuzzleName(address.options, now),
            guidedPuzzleName(options, now))
      << fragment;
  if (options.levelsFile.empty()) {
    EXPECT_EQ(progressPuzzleName(address.options, now),
              progressPuzzleName(options, now))
        << fragment;
  }
}

TEST(PageAddress, EachFragmentStartsWhatItsCommandLineStarts) {
  expectSamePuzzle("", {});
  expectSamePuzzle("#", {});
  expectSamePuzzle("#seed=42&difficulty=hard",
                   {"--seed", "42", "--difficulty", "hard"});
  expectSamePuzzle("seed=18446744073709551615",
                   {"--seed", "18446744073709551615"});
  expectSamePuzzle("#difficulty=easy&seed=7",
                   {"--seed", "7", "--difficulty", "easy"});
  expectSamePuzzle("#daily", {"--daily"});
  expectSamePuzzle("#daily&difficulty=hard&level=4",
                   {"--daily", "--difficulty", "hard"});
  expectSamePuzzle("#pack=my.pack&level=2", {"--levels", "/packs/my.pack"});
  expectSamePuzzle("#file=Mine_2.txt", {"--levels", "/opened/Mine_2.txt"});

  EXPECT_EQ(readPageAddress("#pack=a.pack").pack, PageAddress::Pack::Served);
  EXPECT_EQ(readPageAddress("#file=a.pack").pack, PageAddress::Pack::Opened);
  EXPECT_EQ(readPageAddress("#file=a.pack").packName, "a.pack");
  EXPECT_EQ(readPageAddress("#seed=3").pack, PageAddress::Pack::None);
  EXPECT_EQ(readPageAddress("#seed=3").level, 0);
  EXPECT_EQ(readPageAddress("#level=3&seed=3").level, 3);
  EXPECT_EQ(readPageAddress("#seed=3&level=100").level, 100);
  EXPECT_FALSE(readPageAddress("").options.seeded);
}

TEST(PageAddress, AnAddressNamingNoPuzzleIsOneLine) {
  const std::string longName(300, 'x');
  for (const std::string& fragment :
       std::vector<std::string>{"#bogus",
                                "#seed",
                                "#seed=",
                                "#seed=abc",
                                "#seed=-1",
                                "#seed=1&daily",
                                "#daily&pack=a",
                                "#daily=1",
                                "#level=3",
                                "#difficulty=hard",
                                "#difficulty=hard&pack=a",
                                "#seed=1&difficulty=extreme",
                                "#seed=1&level=0",
                                "#seed=1&level=101",
                                "#seed=1&level=x",
                                "#seed=1&level=",
                                "#pack=",
                                "#pack=../secret",
                                "#pack=.hidden",
                                "#pack=a/b",
                                "#pack=a%2Fb",
                                "#file=" + longName,
                                "#seed=1&&level=2",
                                "#seed=1&help",
                                "#seed=1&" + longName,
                                "#seed=" + longName,
                                "#seed=1&x=" + std::string(2000, 'y')}) {
    const PageAddress address = readPageAddress(fragment);
    EXPECT_FALSE(address.ok()) << fragment;
    EXPECT_EQ(address.error.rfind("This address names no puzzle: ", 0), 0u)
        << address.error;
    EXPECT_LT(address.error.size(), 300u) << fragment;
    EXPECT_EQ(address.error.find('\n'), std::string::npos) << fragment;
    EXPECT_EQ(address.error.find("--"), std::string::npos) << address.error;
    EXPECT_FALSE(address.options.seeded) << "nothing is half-read";
    EXPECT_TRUE(address.options.levelsFile.empty());
    // The player reads a sentence about the link, with nothing of its text.
    EXPECT_EQ(address.said.rfind("This link", 0), 0u) << address.said;
    EXPECT_EQ(address.said.back(), '.') << address.said;
    EXPECT_LT(address.said.size(), 60u) << address.said;
  }
  EXPECT_EQ(readPageAddress("#seed=abc").said,
            "This link's seed is not a number.");
  EXPECT_EQ(readPageAddress("#seed=1&level=0").said,
            "This link's level is not a level number.");
}

// The page shows these lines to someone who typed an address: they speak
// of its words, decoded as typed, never of the desktop's options.
TEST(PageAddress, FaultsAreToldInTheAddresssOwnWordsDecoded) {
  const std::string none = "This address names no puzzle: ";
  const struct {
    const char* fragment;
    const char* error;
  } cases[] = {
      {"#seed=1%26pack=x", "seed takes a whole number, not 1&pack=x"},
      {"#seed=x", "seed takes a whole number, not x"},
      {"#seed=%E2%82%AC", "seed takes a whole number, not \xe2\x82\xac"},
      {"#seed=1&difficulty=very%20hard",
       "difficulty takes easy, medium or hard, not very hard"},
      {"#pack=a.pack&difficulty=hard", "difficulty goes with seed or daily"},
      {"#pack=my%20levels", "\"my levels\" is not a file name"},
      {"#se%65d=1&b%6Fgus", "\"bogus\" is unknown"},
      {"#seed=%0A%7f%", "seed takes a whole number, not %0A%7f%"},
  };
  for (const auto& c : cases) {
    const PageAddress address = readPageAddress(c.fragment);
    EXPECT_EQ(address.error, none + c.error) << c.fragment;
  }
  // Decoded, a good address plays as typed plainly.
  EXPECT_EQ(readPageAddress("#%73eed=%34%32").options.seed, 42u);
  expectSamePuzzle("#seed=%34%32&difficulty=h%61rd",
                   {"--seed", "42", "--difficulty", "hard"});
}

TEST(PageAddress, ThePlaceWrittenBackReadsAsThePuzzleAtThatLevel) {
  for (const char* fragment :
       {"#seed=42&difficulty=hard", "#seed=9", "#daily",
        "#daily&difficulty=easy", "#pack=p.pack&level=5", "#file=f"}) {
    const PageAddress address = readPageAddress(fragment);
    const std::string place = placeFragment(address, 3);
    const PageAddress again = readPageAddress(place);
    ASSERT_TRUE(again.ok()) << place;
    EXPECT_EQ(again.level, 3) << place;
    EXPECT_EQ(placeFragment(again, 3), place);
    EXPECT_EQ(again.options.seed, address.options.seed);
    EXPECT_EQ(again.options.difficulty, address.options.difficulty);
    EXPECT_EQ(again.options.difficultyGiven && again.options.daily,
              address.options.difficultyGiven && address.options.daily);
    EXPECT_EQ(again.options.levelsFile, address.options.levelsFile);
  }
  EXPECT_EQ(placeFragment(readPageAddress("#seed=42&difficulty=hard"), 2),
            "#seed=42&difficulty=hard&level=2");
  EXPECT_EQ(placeFragment(readPageAddress("#seed=42"), 1),
            "#seed=42&difficulty=medium&level=1");
  EXPECT_EQ(placeFragment(readPageAddress(""), 2), "")
      << "the classic game's address has no fragment";
}

TEST(PageAddress, AnyFileNameBecomesOneAnAddressTakes) {
  EXPECT_EQ(addressFileName("my levels (2).pack"), "my-levels--2-.pack");
  EXPECT_EQ(addressFileName(".hidden"), "-hidden");
  EXPECT_EQ(addressFileName(""), "pack");
  EXPECT_EQ(addressFileName("\xc3\xa9t\xc3\xa9.pack"), "--t--.pack");
  for (const std::string& name :
       {std::string("a b"), std::string(400, '#'), std::string("../../etc"),
        std::string("x\0y", 3)}) {
    const std::string safe = addressFileName(name);
    EXPECT_LE(safe.size(), 100u);
    EXPECT_TRUE(readPageAddress("#file=" + safe).ok()) << safe;
  }
}

}  // namespace
