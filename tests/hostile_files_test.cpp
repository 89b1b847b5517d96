// Whatever sits at a data file's path, the real game neither hangs, nor
// runs out of memory, nor floods standard error; and it finds its data
// when started from another directory.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "render/asset_file.h"
#include "render/picture_files.h"
#include "tests/support/file_kinds.h"
#include "tests/support/png_files.h"
#include "tests/support/run_dir.h"
#include "tests/support/running_game.h"

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// The game's own peak is near 100 MiB (several times that under the
// sanitizers); a file read or decoded whole because of its header, or an
// endless one, goes far past this.
constexpr long kPeakMemoryKib = 768 * 1024;

constexpr const char* kFontMessage =
    "FT_New_Face failed (there is probably a problem with your font file)\n";

struct Asset {
  const char* folder;
  const char* name;
  // A header that claims far more than the file holds, and what the game
  // says of it.
  std::vector<unsigned char> (*lyingHeader)();
  const char* lyingHeaderMessage;
  // A missing font ends the game; any other missing asset does not.
  bool gameRuns;
};

std::vector<unsigned char> bytesOf(const std::string& text) {
  return {text.begin(), text.end()};
}

// 16384 x 16384 pixels in 69 bytes.
std::vector<unsigned char> lyingPicture() { return lyingPng(16384, 16384); }

// One table of 4 GiB in a TrueType file of 28 bytes.
std::vector<unsigned char> lyingFont() {
  return bytesOf(std::string("\0\1\0\0\0\1\0\x10\0\0\0\0", 12) + "glyf" +
                 std::string("\0\0\0\0\0\0\0\x1c\xff\xff\xff\xf0", 12));
}

// A PCM WAV whose RIFF and data chunks claim 4 GiB, with 4 bytes of sound.
std::vector<unsigned char> lyingWav() {
  return bytesOf(std::string("RIFF\xf0\xff\xff\xffWAVEfmt \x10\0\0\0", 20) +
                 std::string("\1\0\1\0\x44\xac\0\0\x88\x58\1\0\2\0\x10\0", 16) +
                 std::string("data\xf0\xff\xff\xff\1\2\3\4", 12));
}

// An ID3 tag that claims 256 MiB before the first frame, in 30 bytes.
std::vector<unsigned char> lyingMp3() {
  return bytesOf(std::string("ID3\4\0\0\x7f\x7f\x7f\x7f", 10) +
                 std::string(20, '\xff'));
}

const Asset kAssets[] = {
    {"images", "node.png", lyingPicture,
     "libpng error: Image is larger than its data can hold\n", true},
    {"fonts", "rabiohead.ttf", lyingFont, "", false},
    {"audio", "click.wav", lyingWav, "", true},
    {"audio", "backgroundmusic.mp3", lyingMp3,
     "./audio/backgroundmusic.mp3: not a playable MP3, no music\n", true},
};

enum Kind { Fifo, EndlessDevice, Folder, Oversized, LyingHeader, kindCount };
const char* const kKindNames[] = {"Fifo", "LinkToDevZero", "Folder",
                                  "Oversized", "LyingHeader"};

void plant(const fs::path& at, Kind kind, const Asset& asset) {
  const FileKind kinds[] = {FileKind::Fifo, FileKind::EndlessDevice,
                            FileKind::Folder, FileKind::Oversized};
  if (kind == LyingHeader)
    writeFile(at.string(), asset.lyingHeader());
  else
    plantFileKind(at, kinds[kind], kMaxAssetBytes);
}

// The largest resident size of any child this process has waited for.
long childrenPeakKib() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  return usage.ru_maxrss;
}

class HostileFile : public testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(HostileFile, IsTreatedAsMissingPromptlyAndWithBoundedMemory) {
  const Asset& asset = kAssets[std::get<0>(GetParam())];
  const Kind kind = static_cast<Kind>(std::get<1>(GetParam()));
  const RunDir run({});
  for (const char* folder : {"images", "fonts", "audio"}) run.unfold(folder);
  const fs::path at = run.path / asset.folder / asset.name;
  fs::remove(at);
  ASSERT_NO_FATAL_FAILURE(plant(at, kind, asset));
  const std::string relative =
      std::string("./") + asset.folder + "/" + asset.name;
  // A font that is no file at all makes the folder no data folder: the
  // game quietly starts from the data beside its executable instead.
  const bool passedOver =
      !asset.gameRuns && kind != Oversized && kind != LyingHeader;
  const bool runs = asset.gameRuns || passedOver;
  std::string expected =
      passedOver            ? ""
      : kind == LyingHeader ? asset.lyingHeaderMessage
      : kind == Oversized
          ? relative + ": larger than " + std::to_string(kMaxAssetBytes >> 20) +
                " MiB, treated as missing\n"
          : relative + ": not a regular file, treated as missing\n";
  if (!runs) expected += kFontMessage;

  std::string messages;
  if (runs) {
    RunningGame game;
    ASSERT_NO_FATAL_FAILURE(game.start(LINKLOOM_BINARY, run.path.string()));
    EXPECT_TRUE(game.showsTitle(10s)) << game.process.stderrText();
    // Input finishes start-up first, so every file has been read once the
    // click has led to the instructions.
    game.client.moveTo(game.window, 400, 300);
    game.client.click();
    EXPECT_TRUE(game.showsPicture(instructionsFile, 10s));
    messages = game.process.stderrText();
    ASSERT_EQ(kill(game.process.pid, SIGTERM), 0);
    EXPECT_EQ(game.process.waitExit(5s), 128 + SIGTERM) << messages;
  } else {
    VirtualDisplay screen;
    ASSERT_TRUE(screen.start());
    GameProcess game;
    ASSERT_TRUE(game.start(LINKLOOM_BINARY, run.path.string(), screen.name));
    EXPECT_EQ(game.waitExit(15s), 1);
    messages = game.stderrText();
  }
  EXPECT_EQ(messages, expected);
  EXPECT_LT(childrenPeakKib(), kPeakMemoryKib);
}

INSTANTIATE_TEST_SUITE_P(
    EveryAssetEveryKind, HostileFile,
    testing::Combine(testing::Range(0, static_cast<int>(std::size(kAssets))),
                     testing::Range(0, static_cast<int>(kindCount))),
    [](const testing::TestParamInfo<std::tuple<int, int>>& param) {
      const Asset& asset = kAssets[std::get<0>(param.param)];
      std::string name = std::string(asset.folder) + "_" + asset.name + "_" +
                         kKindNames[std::get<1>(param.param)];
      for (char& c : name)
        if (c == '.') c = '_';
      return name;
    });

TEST(Music, NotPlayableMp3IsReportedOnceAndPlaysNothing) {
  const RunDir run({"images", "fonts"});
  run.unfold("audio");
  // A font where the music should be: the decoder finds frames in it, and
  // would complain of them at every pass of the loop.
  const fs::path music = run.path / "audio" / "backgroundmusic.mp3";
  fs::remove(music);
  fs::copy_file(fs::path(LINKLOOM_RUN_DIR) / "fonts" / "rabiohead.ttf", music);

  RunningGame game;
  ASSERT_NO_FATAL_FAILURE(game.start(LINKLOOM_BINARY, run.path.string()));
  EXPECT_TRUE(game.showsTitle(10s));
  std::this_thread::sleep_for(2s);
  EXPECT_EQ(game.process.waitExit(0ms), -1);
  EXPECT_EQ(game.process.stderrText(),
            "./audio/backgroundmusic.mp3: not a playable MP3, no music\n");
}

TEST(DataFolder, FromAnotherDirectoryTheGameFindsItsDataBesideItself) {
  const RunDir elsewhere({});
  RunningGame game;
  ASSERT_NO_FATAL_FAILURE(game.start(LINKLOOM_BINARY, elsewhere.path.string()));
  EXPECT_TRUE(game.showsTitle(10s)) << game.process.stderrText();
  EXPECT_EQ(game.process.waitExit(0ms), -1) << game.process.stderrText();
}

TEST(DataFolder, WithoutDataAnywhereOneLineNamesTheFoldersAndStatusIsOne) {
  const RunDir program({});
  const RunDir elsewhere({});
  const fs::path binary = program.path / "linkloom";
  fs::copy_file(LINKLOOM_BINARY, binary);
  VirtualDisplay screen;
  ASSERT_TRUE(screen.start());
  GameProcess game;
  ASSERT_TRUE(
      game.start(binary.string(), elsewhere.path.string(), screen.name));
  EXPECT_EQ(game.waitExit(15s), 1);
  const std::string installed =
      (program.path / LINKLOOM_DATA_FROM_PROGRAM).lexically_normal().string();
  const std::string both =
      " lacks fonts/rabiohead.ttf and "
      "images/titlescreen.png";
  EXPECT_EQ(game.stderrText(),
            "No game data found: " + elsewhere.path.string() + both + "; " +
                program.path.string() + both + "; " + installed + both + "\n");
}

// A home folder often holds an images/ folder of its own.
TEST(DataFolder, AFolderWithoutTheFontOrTitleIsPassedOver) {
  const RunDir elsewhere({"audio"});
  fs::create_directory(elsewhere.path / "images");
  fs::create_directory(elsewhere.path / "fonts");
  RunningGame game;
  ASSERT_NO_FATAL_FAILURE(game.start(LINKLOOM_BINARY, elsewhere.path.string()));
  EXPECT_TRUE(game.showsTitle(10s)) << game.process.stderrText();
  EXPECT_EQ(game.process.stderrText(), "");
}

}  // namespace
