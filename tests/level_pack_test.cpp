// The level tables as designed, the pack format read and written, and every
// kind of damaged pack reported by line and column.
#include "puzzle/level_pack.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "puzzle/level_set.h"
#include "puzzle/pack_format.h"
#include "tests/support/file_kinds.h"
#include "tests/support/run_dir.h"

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

const std::vector<Level> builtIn(builtInLevels.begin(), builtInLevels.end());

// The six levels as designed, kept as a pack beside the game's table (the
// same file seeds the pack fuzzer).
std::vector<Level> designed() {
  const PackReading pack = readPackFile(LINKLOOM_BUILT_IN_PACK);
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

// What editors on other systems write reads as what it says.
TEST(LevelPack, ByteOrderMarkCrLfSignsAndTheEndLineAreRead) {
  std::string crlf = oneLevel("+2/+4/+0", "+4/0/0 0/0/0 0/0/0 0/0/0",
                              "+0.5 0.1 0." + std::string(39, '0') + "1");
  for (std::size_t at = 0; (at = crlf.find('\n', at)) != std::string::npos;
       at += 2)
    crlf.replace(at, 1, "\r\n");
  const std::string longest = std::string(1000, '#') + "\r\n";
  const PackReading pack =
      parsePack("\xef\xbb\xbf" + crlf + longest + "end\r\n# after\n", "p");
  ASSERT_TRUE(pack.ok()) << pack.error;
  ASSERT_EQ(pack.levels.size(), 1u);
  EXPECT_EQ(pack.levels[0].startSize, 2.0f);
  EXPECT_EQ(pack.levels[0].nodeRed, 0.5f);
  EXPECT_EQ(pack.levels[0].nodeGreen, 0.1f);
  EXPECT_EQ(pack.levels[0].nodeBlue, 1e-40f);
  // A written pack reads back the same, its tiny channel in plain digits.
  const std::string written = formatPack(pack.levels);
  const std::size_t colour = written.find("colour");
  EXPECT_EQ(written.substr(colour, written.find('\n', colour) - colour),
            "colour 0.5 0.1 0." + std::string(39, '0') + "1");
  expectSameLevels(parsePack(written, "again").levels, pack.levels);
  // A last line without its newline is read; so is a pack without "pack".
  EXPECT_TRUE(parsePack(oneLevel().substr(0, oneLevel().size() - 1), "p").ok());
  EXPECT_TRUE(parsePack("pack\n" + oneLevel() + "end", "p").ok());
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
    std::string error;
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
       "p:2:7: size 99999999999 is beyond 2 to 8"},
      {"a fraction for a size", oneLevel("2.0/4/0"),
       "p:2:7: size \"2.0\" is not a whole number"},
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
      {"a colour channel a hair above 1, which rounds to 1",
       oneLevel("2/4/0", "0/0/0 0/0/0 0/0/0 0/0/0",
                "1.0000000000000000000001 0 0"),
       "p:4:8: colour channel 1.0000000000000000000001 is beyond 0 to 1"},
      {"a colour channel a hair below 0, which rounds to 0",
       oneLevel("2/4/0", "0/0/0 0/0/0 0/0/0 0/0/0",
                "0 -0." + std::string(60, '0') + "1 0"),
       "p:4:10: colour channel -0." + std::string(60, '0') +
           "1 is beyond 0 to 1"},
      {"a colour channel that is no number",
       oneLevel("2/4/0", "0/0/0 0/0/0 0/0/0 0/0/0", "0 0 nan"),
       "p:4:12: colour channel \"nan\" is not a number"},
      {"a huge colour channel with an exponent",
       oneLevel("2/4/0", "0/0/0 0/0/0 0/0/0 0/0/0", "1e308 0 0"),
       "p:4:8: colour channel \"1e308\" has an exponent; write it as a "
       "decimal from 0 to 1"},
      {"a tiny colour channel with an exponent",
       oneLevel("2/4/0", "0/0/0 0/0/0 0/0/0 0/0/0", "0 1e-50 0"),
       "p:4:10: colour channel \"1e-50\" has an exponent; write it as a "
       "decimal from 0 to 1"},
      {"a number on the level line", "level 1\n" + rows,
       "p:1:7: \"level\" takes nothing after it, found \"1\""},
      {"a first row without cells", oneLevel("2/4/0", "four cells here"),
       "p:5:1: expected row 1 of cells, found \"four\""},
      {"UTF-16 with its byte order mark", "\xff\xfel\0e\0v\0",
       "p:1:1: the pack is UTF-16 text (it starts with a UTF-16 byte order "
       "mark); save it as UTF-8"},
      {"UTF-16 without a byte order mark", std::string("l\0e\0v\0", 6),
       "p:1:2: a NUL byte, as UTF-16 or binary files hold; save the pack as "
       "UTF-8 text"},
      {"a pack cut short of its end", "pack\n" + good,
       "p:10:1: the pack opens with \"pack\" but lacks its closing \"end\" "
       "line: it was cut short"},
      {"a line after the end", "pack\n" + good + "end\nlevel\n",
       "p:11:1: nothing may follow \"end\", found \"level\""},
      {"an end before any level", "end\n" + good,
       "p:1:1: \"end\" before any level"},
      {"pack after the first line", good + "pack\n",
       "p:9:1: \"pack\" belongs on the first line"},
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
      {"1001 characters and CR LF", good + std::string(1001, '#') + "\r\n",
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

// The pack's words for each kind of file the file library refuses (whose
// tests cover the kinds themselves), and a good pack read from its file.
TEST(PackFiles, EachRefusedKindOfFileHasItsLine) {
  namespace fs = std::filesystem;
  const RunDir scratch;
  const fs::path& dir = scratch.path;
  const struct {
    FileKind kind;
    const char* error;
  } cases[] = {
      {FileKind::Missing, "cannot read: No such file or directory"},
      {FileKind::Folder, "not a regular file"},
      {FileKind::Fifo, "not a regular file"},
      {FileKind::EndlessDevice, "not a regular file"},
      {FileKind::Oversized, "larger than 1048576 bytes"},
  };
  int index = 0;
  for (const auto& c : cases) {
    const fs::path at = dir / std::to_string(index++);
    plantFileKind(at, c.kind, maxPackBytes);
    EXPECT_EQ(readPackFile(at.string()).error,
              at.string() + ":1:1: " + c.error);
  }
  const fs::path good = dir / "good";
  std::ofstream(good, std::ios::binary) << formatPack(builtIn);
  const PackReading read = readPackFile(good.string());
  ASSERT_TRUE(read.ok()) << read.error;
  expectSameLevels(read.levels, builtIn);
}

}  // namespace
