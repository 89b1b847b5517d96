// The level tables as designed, the pack format read and written, and every
// kind of damaged pack reported by line and column.
#include "puzzle/level_pack.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

#include "puzzle/level_set.h"
#include "tests/designed_levels.h"

namespace {

void expectSameLevels(const std::vector<Level>& actual,
                      const std::vector<Level>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < actual.size(); ++i) {
    SCOPED_TRACE("level " + std::to_string(i + 1));
    const Level& a = actual[i];
    const Level& e = expected[i];
    EXPECT_EQ(a.startHue, e.startHue);
    EXPECT_EQ(a.startSides, e.startSides);
    EXPECT_EQ(a.startSize, e.startSize);
    EXPECT_EQ(a.targetHue, e.targetHue);
    EXPECT_EQ(a.targetSides, e.targetSides);
    EXPECT_EQ(a.targetSize, e.targetSize);
    EXPECT_EQ(a.nodeRed, e.nodeRed);
    EXPECT_EQ(a.nodeGreen, e.nodeGreen);
    EXPECT_EQ(a.nodeBlue, e.nodeBlue);
    for (int k = 0; k < gridNodeCount; ++k) {
      SCOPED_TRACE("cell " + std::to_string(k));
      EXPECT_EQ(a.deltas[k].sizeDelta, e.deltas[k].sizeDelta);
      EXPECT_EQ(a.deltas[k].sidesDelta, e.deltas[k].sidesDelta);
      EXPECT_EQ(a.deltas[k].hueDelta, e.deltas[k].hueDelta);
    }
  }
}

const std::vector<Level> builtIn(levels.begin(), levels.end());

std::vector<Level> designed() {
  const PackReading pack = parsePack(designedLevels, "designed");
  EXPECT_TRUE(pack.ok()) << pack.error;
  return pack.levels;
}

// Every cell, shape and colour of the six tables, so a swapped or mistyped
// cell anywhere is caught.
TEST(LevelTables, MatchTheDesignCellByCell) {
  expectSameLevels(builtIn, designed());
  EXPECT_EQ(levelSet().size(), builtIn.size()) << "the default set";
}

TEST(LevelPack, TheBuiltInLevelsWrittenAndReadBackAreTheSame) {
  const std::string text = formatPack(builtIn);
  const PackReading pack = parsePack(text, "dump");
  ASSERT_TRUE(pack.ok()) << pack.error;
  expectSameLevels(pack.levels, designed());
  EXPECT_EQ(formatPack(pack.levels), text);
  EXPECT_NE(text.find("+4/0/0 +2/0/0 -6/0/0 +2/0/0\n"), std::string::npos);
  EXPECT_NE(text.find("colour 1 0.5 0\n"), std::string::npos);
}

// One level with its start shape as {start}, for damaging one part at a time.
std::string oneLevel(const std::string& start = "2/4/0",
                     const std::string& firstRow = "+4/0/0 0/0/0 0/0/0 0/0/0",
                     const std::string& colour = "0 0 1") {
  return "level\nstart " + start + "\ntarget 6/4/0\ncolour " + colour + "\n" +
         firstRow + "\n" + std::string(3, ' ') +
         "0/0/0 0/0/0 0/0/0 0/0/0\n0/0/0 0/0/0 0/0/0 0/0/0\n"
         "0/0/0 0/0/0 0/0/0 -2/+1/+60\n";
}

TEST(LevelPack, CommentsBlankLinesAndSignsAreAllowed) {
  const PackReading pack = parsePack(
      "# a pack\n\n" + oneLevel("  2/4/0   # size/sides/hue") + "\n# end\n",
      "p");
  ASSERT_TRUE(pack.ok()) << pack.error;
  ASSERT_EQ(pack.levels.size(), 1u);
  EXPECT_EQ(pack.levels[0].deltas[0].sizeDelta, 4.0f);
  EXPECT_EQ(pack.levels[0].deltas[15].sidesDelta, 1);
  EXPECT_EQ(pack.levels[0].deltas[15].hueDelta, 60.0f);
  EXPECT_EQ(pack.levels[0].nodeBlue, 1.0f);
}

std::string repeated(const std::string& text, int times) {
  std::string all;
  for (int i = 0; i < times; ++i) all += text;
  return all;
}

TEST(LevelPack, EveryFaultIsReportedWithItsLineAndColumn) {
  const std::string good = oneLevel();
  const std::string rows = good.substr(good.find("+4/0/0"));
  const struct {
    const char* what;
    std::string text;
    const char* error;
  } cases[] = {
      {"empty", "", "p:1:1: the pack holds no level"},
      {"only comments", "# nothing\n\n", "p:3:1: the pack holds no level"},
      {"truncated after the colour", good.substr(0, good.find("+4/0/0")),
       "p:5:1: level 1 ends early, expected row 1 of cells"},
      {"truncated before the target", "level\nstart 2/4/0\n",
       "p:3:1: level 1 ends early, expected \"target\""},
      {"three cells in a row", oneLevel("2/4/0", "+4/0/0 0/0/0 0/0/0"),
       "p:5:14: a row has 4 cells, found 3"},
      {"five cells in a row",
       oneLevel("2/4/0", "0/0/0 0/0/0 0/0/0 0/0/0 1/0/0"),
       "p:5:25: a row has 4 cells, found 5"},
      {"three rows", good.substr(0, good.rfind("0/0/0 0/0/0 0/0/0 -2")) + good,
       "p:8:1: level 1 has 3 rows of cells, expected 4"},
      {"five rows", good + "0/0/0 0/0/0 0/0/0 0/0/0\n",
       "p:9:1: level 1 has more than 4 rows of cells"},
      {"a cell of two parts", oneLevel("2/4/0", "+4/0 0/0/0 0/0/0 0/0/0"),
       "p:5:1: \"+4/0\" is not size/sides/hue"},
      {"a cell of four parts", oneLevel("2/4/0", "0/0/0 0/0/0/1 0/0/0 0/0/0"),
       "p:5:7: \"0/0/0/1\" is not size/sides/hue"},
      {"a word for a number", oneLevel("2/four/0"),
       "p:2:9: sides \"four\" is not a whole number"},
      {"a fraction for a delta", oneLevel("2/4/0", "0/0/0 0/0/1.5 0/0/0 0/0/0"),
       "p:5:11: hue delta \"1.5\" is not a whole number"},
      {"a number beyond any int", oneLevel("99999999999/4/0"),
       "p:2:7: size \"99999999999\" is not a whole number"},
      {"hue beyond 320", oneLevel("2/4/330"),
       "p:2:11: hue 330 is beyond 0 to 320"},
      {"hue below 0", oneLevel("2/4/-60"),
       "p:2:11: hue -60 is beyond 0 to 320"},
      {"sides beyond 8", oneLevel("2/9/0"), "p:2:9: sides 9 is beyond 3 to 8"},
      {"sides below 3", oneLevel("2/2/0"), "p:2:9: sides 2 is beyond 3 to 8"},
      {"size beyond 8", oneLevel("9/4/0"), "p:2:7: size 9 is beyond 2 to 8"},
      {"size below 2", oneLevel("1/4/0"), "p:2:7: size 1 is beyond 2 to 8"},
      {"a delta beyond the limits' width",
       oneLevel("2/4/0", "+7/0/0 0/0/0 0/0/0 0/0/0"),
       "p:5:1: size delta +7 is beyond -6 to 6"},
      {"a colour channel beyond 1",
       oneLevel("2/4/0", "0/0/0 0/0/0 0/0/0 0/0/0", "0 1.5 0"),
       "p:4:10: colour channel 1.5 is beyond 0 to 1"},
      {"a colour channel below 0",
       oneLevel("2/4/0", "0/0/0 0/0/0 0/0/0 0/0/0", "-0.1 0 0"),
       "p:4:8: colour channel -0.1 is beyond 0 to 1"},
      {"a colour channel that is no number",
       oneLevel("2/4/0", "0/0/0 0/0/0 0/0/0 0/0/0", "0 0 nan"),
       "p:4:12: colour channel nan is beyond 0 to 1"},
      {"two colour channels",
       oneLevel("2/4/0", "0/0/0 0/0/0 0/0/0 0/0/0", "0 1"),
       "p:4:1: colour takes red, green and blue"},
      {"a word where a level begins", "levels\n" + rows,
       "p:1:1: expected \"level\", found \"levels\""},
      {"parts out of order", "level\ntarget 2/4/0\n",
       "p:2:1: expected \"start\", found \"target\""},
      {"a control character", oneLevel(std::string("2/4/\x01")),
       "p:2:11: hue \"?\" is not a whole number"},
      {"101 levels", repeated(good, 101), "p:801:1: more than 100 levels"},
      {"a line of a megabyte", good + std::string(1000000, 'x'),
       "p:9:1001: line is longer than 1000 characters"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const PackReading pack = parsePack(c.text, "p");
    EXPECT_EQ(pack.error, c.error);
    EXPECT_TRUE(pack.levels.empty());
  }
  EXPECT_TRUE(parsePack(repeated(good, 100), "p").ok()) << "100 levels";
}

// A scratch directory of files of every kind a pack path might name.
struct PackFiles : ::testing::Test {
  std::string dir;
  void SetUp() override {
    char pattern[] = "/tmp/linkloom-packs-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir = pattern;
  }
  void TearDown() override {
    for (const char* name : {"good", "huge", "fifo"})
      std::remove((dir + "/" + name).c_str());
    rmdir(dir.c_str());
  }
  std::string write(const char* name, const std::string& text) {
    std::ofstream(dir + "/" + name, std::ios::binary) << text;
    return dir + "/" + name;
  }
};

TEST_F(PackFiles, OnlyARegularFileOfBoundedSizeIsRead) {
  const std::string good = write("good", formatPack(builtIn));
  const PackReading read = readPackFile(good);
  ASSERT_TRUE(read.ok()) << read.error;
  expectSameLevels(read.levels, builtIn);

  const std::string huge = write("huge", "");
  ASSERT_EQ(truncate(huge.c_str(), maxPackBytes + 1), 0);
  const std::string fifo = dir + "/fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const struct {
    std::string path;
    std::string error;
  } cases[] = {
      {dir + "/missing",
       dir + "/missing:1:1: cannot read: No such file or directory"},
      {dir, dir + ":1:1: not a regular file"},
      {fifo, fifo + ":1:1: not a regular file"},
      {"/dev/zero", "/dev/zero:1:1: not a regular file"},
      {huge, huge + ":1:1: larger than 1048576 bytes"},
  };
  for (const auto& c : cases) EXPECT_EQ(readPackFile(c.path).error, c.error);
}

}  // namespace
