// The game and the level checker run from a shell: options, packs and
// their faults, and exit statuses. Nothing here has an X display, so a
// window that tried to open would fail the run.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "puzzle/progress.h"
#include "tests/support/run_command.h"
#include "tests/support/run_dir.h"

namespace {

struct CommandRunTest : ::testing::Test {
  const RunDir scratch;
  std::string write(const char* name, const std::string& text) {
    const std::string path = scratch.file(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
  CommandRun game(const std::vector<std::string>& args) {
    return runCommand(LINKLOOM_BINARY, args);
  }
  CommandRun checker(const std::vector<std::string>& args) {
    return runCommand(LEVEL_CHECKER, args);
  }
};

// Runs a shell script in which $0 is the program and $1 the word given, as
// a user's shell line with its redirections and limits.
CommandRun shell(const std::string& script, const char* program,
                 const std::string& word = "") {
  return runCommand("/bin/sh", {"-c", script, program, word});
}

bool firstLineIs(const std::string& text, const std::string& line) {
  return text.substr(0, text.find('\n')) == line;
}

std::string readText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The part of a document from a heading line to the next of its level.
std::string section(const std::string& text, const std::string& heading) {
  const std::size_t start = text.find("\n" + heading + "\n");
  if (start == std::string::npos) return "";
  const std::string level = heading.substr(0, heading.find(' ') + 1);
  const std::size_t end = text.find("\n" + level, start + 1);
  return text.substr(start, end == std::string::npos ? end : end - start);
}

// Every long option a text names.
std::set<std::string> longOptions(const std::string& text) {
  const auto isLower = [](char c) { return c >= 'a' && c <= 'z'; };
  std::set<std::string> found;
  for (std::size_t at = text.find("--"); at != std::string::npos;
       at = text.find("--", at + 2)) {
    std::size_t end = at + 2;
    if (end == text.size() || !isLower(text[end])) continue;
    while (end < text.size() && (isLower(text[end]) || text[end] == '-')) ++end;
    found.insert(text.substr(at, end - at));
  }
  return found;
}

TEST_F(CommandRunTest, TheGameExplainsItselfAndRefusesMistakesBeforeAWindow) {
  const CommandRun help = game({"--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* option :
       {"--levels FILE", "--seed N", "--daily", "--difficulty D",
        "--from-start", "--describe", "--help", "--version"})
    EXPECT_NE(help.out.find(option), std::string::npos) << option;
  const CommandRun version = game({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, std::string("linkloom ") + LINKLOOM_VERSION + "\n");

  for (const auto& args : std::vector<std::vector<std::string>>{
           {"--bogus"},
           {"--levels"},
           {"--seed", "x"},
           {"--difficulty"},
           {""},
           {"-help"},
           {"-levels", "x"},
           {"-display", ":99", "--levels="},
           {"-geometry", "large"},
           {"-geometry", "0x600"},
           {"--seed", std::string(10000, '7') + "x"}}) {
    const CommandRun run = game(args);
    EXPECT_EQ(run.status, 2) << args[0];
    EXPECT_EQ(run.err.rfind("linkloom: ", 0), 0u) << run.err;
    const std::size_t usage = run.err.find("\nusage: linkloom");
    EXPECT_NE(usage, std::string::npos);
    EXPECT_LT(usage, 300u) << "one line, quoting at most 200 characters";
  }
}

TEST_F(CommandRunTest, ABarePackIsPlayedAsWithLevels) {
  const std::string bad = write("bad.pack", "level\nstart 2/4/0\n");
  const CommandRun bare = game({bad});
  EXPECT_EQ(bare.status, 2);
  EXPECT_EQ(bare.err, game({"--levels", bad}).err);
  EXPECT_EQ(bare.err, game({"--", bad}).err);
  EXPECT_EQ(game({"/nonexistent/x.pack"}).err,
            "/nonexistent/x.pack:1:1: cannot read: No such file or "
            "directory\n");
}

// The usage each program prints is the list its manual page and the README
// must keep to, so that neither drifts from what the program takes.
TEST_F(CommandRunTest, TheManualPagesAndTheReadmeNameTheOptionsOfTheUsage) {
  const std::string source = LINKLOOM_SOURCE_DIR;
  const std::string readme = readText(source + "/README.md");
  const struct {
    CommandRun help;
    const char* page;
    const char* readmeSection;
  } programs[] = {
      {game({"--help"}), "linkloom.6.scd", "## More levels"},
      {checker({"--help"}), "level_checker.6.scd", "## Level checker"},
  };
  for (const auto& program : programs) {
    const std::set<std::string> usage = longOptions(program.help.out);
    EXPECT_GE(usage.size(), 6u) << program.page;
    const std::string page = readText(source + "/packaging/" + program.page);
    EXPECT_EQ(longOptions(section(page, "# OPTIONS")), usage) << program.page;
    EXPECT_EQ(longOptions(section(readme, program.readmeSection)), usage)
        << program.readmeSection;
  }
}

TEST_F(CommandRunTest, ABadPackIsReportedByLineAndColumnWithoutAWindow) {
  const std::string bad =
      write("bad.pack", "level\nstart 2/4/0\ntarget 2/9/0\n");
  for (const std::string& path :
       {bad, scratch.path.string(), std::string("/dev/null")}) {
    const CommandRun run = game({"--levels", path});
    EXPECT_EQ(run.status, 2) << path;
    EXPECT_EQ(run.err.rfind(path + ":", 0), 0u) << run.err;
    EXPECT_EQ(checker({path}).status, 2) << path;
  }
  EXPECT_EQ(game({"--levels", bad}).err,
            bad + ":3:10: sides 9 is beyond 3 to 8\n");
}

TEST_F(CommandRunTest, TheCheckerDumpsGeneratesAndChecksPacks) {
  const CommandRun dump = checker({"--dump"});
  ASSERT_EQ(dump.status, 0);
  const CommandRun builtIn = checker({});
  const CommandRun fromPack = checker({write("builtin.pack", dump.out)});
  EXPECT_EQ(fromPack.status, 0);
  EXPECT_EQ(fromPack.out, builtIn.out);
  EXPECT_TRUE(firstLineIs(builtIn.out,
                          "level 1: 316862 of 1128228 legal chains solve it; "
                          "easy"));

  // Level 1 with its target out of reach: no size delta ever leaves 2.
  std::string stuck = dump.out.substr(0, dump.out.find("\n\n") + 1) + "end\n";
  stuck.replace(stuck.find("target 6/4/0"), 12, "target 6/5/0");
  const CommandRun unsolvable = checker({write("stuck.pack", stuck)});
  EXPECT_EQ(unsolvable.status, 1);
  EXPECT_TRUE(firstLineIs(unsolvable.out,
                          "level 1: 0 of 1128228 legal chains solve it; "
                          "unsolvable"));

  const std::vector<std::string> generate = {
      "--generate", "--seed", "5", "--count", "2", "--difficulty", "easy"};
  const CommandRun first = checker(generate);
  EXPECT_EQ(first.status, 0);
  EXPECT_EQ(checker(generate).out, first.out);
  EXPECT_EQ(
      checker({"--generate", "--seed=5", "--count=2", "--difficulty=easy"}).out,
      first.out);
  EXPECT_EQ(checker({"--generate", "--count", "2"}).status, 2);
  EXPECT_EQ(checker({"--generate", "--seed", "1", "--count", "101"}).status, 2);
  EXPECT_EQ(checker({"--", write("builtin.pack", dump.out)}).out, builtIn.out);
}

TEST_F(CommandRunTest, TheCheckerRefusesWhatWouldPassUnchecked) {
  const struct {
    std::vector<std::string> args;
    const char* error;
  } cases[] = {
      {{""}, "an empty file name"},
      {{"--", ""}, "an empty file name"},
      {{"--seed", "5"}, "--seed goes with --generate"},
      {{"--count=2", "a.pack"}, "--count goes with --generate"},
      {{"--difficulty", "easy", "--dump"}, "--difficulty goes with --generate"},
      {{"-dump"}, "unknown option -dump"},
      {{"-display", ":1"}, "unknown option -display"},
      {{"--dump=yes"}, "--dump takes no value"},
      {{"a.pack", "b.pack"}, "more than one FILE"},
      {{"--dump", "a.pack"}, "choose one of FILE, --dump and --generate"},
  };
  for (const auto& c : cases) {
    const CommandRun run = checker(c.args);
    EXPECT_EQ(run.status, 2) << c.error;
    EXPECT_EQ(run.err.substr(0, run.err.find('\n')),
              std::string("level_checker: ") + c.error);
    EXPECT_NE(run.err.find("\nusage: level_checker"), std::string::npos);
    EXPECT_EQ(run.out, "");
  }
  const CommandRun help = checker({"-h"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out, checker({"--help"}).out);
}

// A full disk, as /dev/full is: one line and status 1, never a cut pack
// and status 0; and a cut pack of the checker's is refused when read.
TEST_F(CommandRunTest, TheCheckerNeverLosesItsOutputSilently) {
  for (const char* args : {"--generate --seed 1 --count 3", "--dump"}) {
    const CommandRun full = runCommand(
        "/bin/sh", {"-c", std::string("exec \"$0\" ") + args + " >/dev/full",
                    LEVEL_CHECKER});
    EXPECT_EQ(full.status, 1) << args;
    EXPECT_EQ(full.err,
              "level_checker: cannot write the output: No space left on "
              "device\n")
        << args;
  }
  const CommandRun generated =
      checker({"--generate", "--seed", "1", "--count", "3"});
  ASSERT_EQ(generated.status, 0);
  const std::string& pack = generated.out;
  const std::size_t firstLevelEnd = pack.find("\n\n");
  const std::size_t lastRowEnd = pack.rfind("\n\nend");
  // Inside a level, after a whole level, inside the last number and just
  // before the end line.
  for (const std::size_t length :
       {firstLevelEnd - 1, firstLevelEnd + 2, lastRowEnd - 1, lastRowEnd}) {
    const CommandRun cut = checker({write("cut.pack", pack.substr(0, length))});
    EXPECT_EQ(cut.status, 2) << length;
    EXPECT_EQ(cut.out, "") << length;
  }
  EXPECT_NE(checker({write("cut.pack", pack.substr(0, lastRowEnd))})
                .err.find("it was cut short"),
            std::string::npos);
}

// --help and --version check their writes as the checker does: a full disk
// is one line and status 1.
TEST_F(CommandRunTest, TheGamesHelpAndVersionNeverLoseTheirOutputSilently) {
  for (const char* option : {"--help", "--version", "-h"}) {
    const CommandRun full = shell(
        std::string("exec \"$0\" ") + option + " >/dev/full", LINKLOOM_BINARY);
    EXPECT_EQ(full.status, 1) << option;
    EXPECT_EQ(full.err,
              "linkloom: cannot write the output: No space left on device\n")
        << option;
  }
}

// Both programs started with descriptors 0, 1 and 2 closed: nothing they
// open takes those numbers, so what they print goes nowhere, and no file
// they read is written over.
TEST_F(CommandRunTest, ClosedStandardDescriptorsAreNoFault) {
  const std::string pack = write("builtin.pack", checker({"--dump"}).out);
  const CommandRun checked =
      shell("exec \"$0\" \"$1\" <&- >&- 2>&-", LEVEL_CHECKER, pack);
  EXPECT_EQ(checked.status, 0);
  const CommandRun noError =
      shell("exec \"$0\" \"$1\" <&- >&-", LEVEL_CHECKER, pack);
  EXPECT_EQ(noError.err, "");
  EXPECT_EQ(noError.status, 0);
  EXPECT_EQ(shell("exec \"$0\" --version <&- >&-", LINKLOOM_BINARY).status, 0);
}

// A file-size limit makes a write past it fail, with the line of any
// failed write, rather than end the program by SIGXFSZ.
TEST_F(CommandRunTest, AFileSizeLimitIsAFailedWriteNotASignal) {
  const std::string out = scratch.file("out.pack");
  const CommandRun checked =
      shell("ulimit -f 1; exec \"$0\" --generate --seed 1 --count 10 >\"$1\"",
            LEVEL_CHECKER, out);
  EXPECT_EQ(checked.status, 1);
  EXPECT_EQ(checked.err,
            "level_checker: cannot write the output: File too large\n");
  std::remove(out.c_str());

  // A progress file larger than the limit: the game's save at its start
  // fails, the file stays whole, and no temporary file is left beside it.
  namespace fs = std::filesystem;
  const fs::path state = scratch.path / "state";
  fs::create_directories(state / "linkloom");
  Progress progress;
  for (int seed = 0; seed < 40; ++seed)
    for (int level = 0; level < 6; ++level)
      recordSolved(progress, "seed " + std::to_string(seed) + " easy",
                   {level, 60000 + level, 0});
  const std::string kept = formatProgress(progress);
  ASSERT_GT(kept.size(), 4096u);
  const fs::path file = state / "linkloom" / "progress";
  std::ofstream(file, std::ios::binary) << kept;
  const CommandRun game =
      shell("ulimit -f 1; XDG_STATE_HOME=\"$1\" exec \"$0\" --seed 1",
            LINKLOOM_BINARY, state.string());
  EXPECT_NE(game.status, 128 + SIGXFSZ);
  EXPECT_NE(game.err.find("(File too large)"), std::string::npos) << game.err;
  EXPECT_EQ(readText(file.string()), kept);
  for (const auto& entry : fs::directory_iterator(state / "linkloom"))
    EXPECT_TRUE(entry.path().filename() == "progress" ||
                entry.path().filename() == "progress.lock")
        << entry.path();
}

}  // namespace
