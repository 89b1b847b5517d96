// The game and the level checker run from a shell: options, packs and
// their faults, and exit statuses. Nothing here has an X display, so a
// window that tried to open would fail the run.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "tests/support/run_command.h"

namespace {

struct CommandRunTest : ::testing::Test {
  std::string scratch;
  void SetUp() override {
    char pattern[] = "/tmp/linkloom-run-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    scratch = pattern;
  }
  void TearDown() override {
    for (const char* name :
         {"/builtin.pack", "/bad.pack", "/stuck.pack", "/cut.pack"})
      std::remove((scratch + name).c_str());
    std::remove(scratch.c_str());
  }
  std::string write(const char* name, const std::string& text) {
    const std::string path = scratch + "/" + name;
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

bool firstLineIs(const std::string& text, const std::string& line) {
  return text.substr(0, text.find('\n')) == line;
}

TEST_F(CommandRunTest, TheGameExplainsItselfAndRefusesMistakesBeforeAWindow) {
  const CommandRun help = game({"--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* option :
       {"--levels FILE", "--seed N", "--daily", "--difficulty D",
        "--from-start", "--help", "--version"})
    EXPECT_NE(help.out.find(option), std::string::npos) << option;
  const CommandRun version = game({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, std::string("linkloom ") + LINKLOOM_VERSION + "\n");

  for (const auto& args : std::vector<std::vector<std::string>>{
           {"--bogus"}, {"--levels"}, {"--seed", "x"}, {"--difficulty"}}) {
    const CommandRun run = game(args);
    EXPECT_EQ(run.status, 2) << args[0];
    EXPECT_EQ(run.err.rfind("linkloom: ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find("\nusage: linkloom"), std::string::npos);
  }
}

TEST_F(CommandRunTest, ABadPackIsReportedByLineAndColumnWithoutAWindow) {
  const std::string bad =
      write("bad.pack", "level\nstart 2/4/0\ntarget 2/9/0\n");
  for (const std::string& path : {bad, scratch, std::string("/dev/null")}) {
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
  EXPECT_EQ(checker({"--generate", "--count", "2"}).status, 2);
  EXPECT_EQ(checker({"--generate", "--seed", "1", "--count", "101"}).status, 2);
}

// A full disk, as /dev/full is: one line and status 1, never a cut pack
// and status 0; and a cut pack of the checker's is refused when read.
TEST_F(CommandRunTest, TheCheckerNeverLosesItsOutputSilently) {
  for (const char* args : {"--generate --seed 1 --count 30", "--dump"}) {
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
      checker({"--generate", "--seed", "1", "--count", "30"});
  ASSERT_EQ(generated.status, 0);
  const std::string& pack = generated.out;
  const std::size_t firstLevelEnd = pack.find("\n\n");
  // Where a full disk cut it, inside the last number of a level, and after
  // a whole level.
  for (const std::size_t length :
       {std::size_t{4096}, firstLevelEnd - 1, firstLevelEnd + 2}) {
    const CommandRun cut = checker({write("cut.pack", pack.substr(0, length))});
    EXPECT_EQ(cut.status, 2) << length;
    EXPECT_EQ(cut.out, "") << length;
  }
  EXPECT_NE(checker({write("cut.pack", pack.substr(0, firstLevelEnd + 2))})
                .err.find("it was cut short"),
            std::string::npos);
}

}  // namespace
