// Damaged pictures never stop the game: with every image truncated, given a
// bad checksum, replaced by something that is not a PNG, or emptied, the
// real game still runs through to the playing screen.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "render/picture_files.h"
#include "render/world.h"
#include "tests/support/run_dir.h"
#include "tests/support/running_game.h"
#include "tools/support/world_mouse.h"

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

constexpr int damageKinds = 4;

std::vector<char> readBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Kind 0 truncated, 1 a bad CRC on the header, 2 not a PNG, 3 empty. The
// first two are damage libpng reports; the last two fail silently.
std::vector<char> damaged(std::vector<char> bytes, int kind) {
  switch (kind) {
    case 0: bytes.resize(bytes.size() / 2); break;
    case 1: bytes.at(30) ^= 0x5a; break;  // inside the IHDR chunk's CRC
    case 2: bytes.assign({'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g'}); break;
    default: bytes.clear(); break;
  }
  return bytes;
}

int countOf(const std::string& text, const std::string& word) {
  int count = 0;
  for (auto at = text.find(word); at != std::string::npos;
       at = text.find(word, at + 1))
    ++count;
  return count;
}

// Round r gives image i the damage (i + r) % 4, so four rounds give every
// image every kind of damage.
class DamagedAssets : public testing::TestWithParam<int> {};

TEST_P(DamagedAssets, TheGameStillRunsToThePlayingScreen) {
  const int round = GetParam();
  const RunDir run({"fonts", "audio"});
  fs::create_directory(run.path / "images");
  int reported = 0;
  for (int i = 0; i < static_cast<int>(gamePictureFiles.size()); ++i) {
    const int kind = (i + round) % damageKinds;
    if (kind < 2) ++reported;
    const char* name = gamePictureFiles[i];
    const auto bytes =
        damaged(readBytes(fs::path(LINKLOOM_RUN_DIR) / "images" / name), kind);
    std::ofstream(run.path / "images" / name, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }

  RunningGame game;
  ASSERT_NO_FATAL_FAILURE(game.start(LINKLOOM_BINARY, run.path.string()));
  for (int press = 0; press < 2; ++press) {
    clickWorld(game.client, game.window, kWorldMiddleX, kWorldMiddleY);
    std::this_thread::sleep_for(200ms);
  }
  // Level 1's start shape is red whether or not its picture loaded: a
  // shape without one is a red square. No other screen shows red there.
  const Shape& start = boardLayout().startShape;
  const int x = static_cast<int>(pixelX(start.x));
  const int y = static_cast<int>(pixelY(start.y));
  EXPECT_TRUE(waitUntil(
      [&] {
        const Rgb p = game.client.pixel(game.window, x, y);
        return p.r > 150 && p.g < 90 && p.b < 90;
      },
      10s));
  const std::string messages = game.process.stderrText();
  EXPECT_EQ(game.process.waitExit(0ms), -1) << messages;
  EXPECT_GE(countOf(messages, "libpng error: "), reported) << messages;
}

INSTANTIATE_TEST_SUITE_P(EveryImageEveryDamage, DamagedAssets,
                         testing::Range(0, damageKinds));

}  // namespace
