// A player's test: the real game in its own X server, played with synthetic
// mouse events from the title screen through all six levels and back.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <thread>
#include <utility>
#include <vector>

#include "tests/solving_chains.h"
#include "tests/support/running_game.h"

namespace {

using namespace std::chrono_literals;

// World units to window pixels in the 800 x 600 window: x -50..50, y 75..0.
struct Pixel {
  int x, y;
};
Pixel toPixel(float worldX, float worldY) {
  return {static_cast<int>((worldX + 50.0f) * 8.0f),
          static_cast<int>((75.0f - worldY) * 8.0f)};
}
Pixel gridPixel(int row, int column) {
  return toPixel(-18.0f + 12.0f * column, 66.0f - 12.0f * row);
}
const Pixel sourcePixel = toPixel(-30, 48);
const Pixel sinkPixel = toPixel(30, 48);
const Pixel resultPixel = toPixel(41, 48);
// A grid node no chain below ends on, so no hover mark sits over it.
const Pixel idleNodePixel = gridPixel(3, 1);

// Node colours of the six levels, 0 to 1 per channel.
const float levelColours[6][3] = {{0, 0, 1}, {1, 0, 0}, {0, 1, 0},
                                  {1, 1, 0}, {1, 0, 1}, {1, 0.5f, 0}};

bool channelMatches(int value, float expected) {
  if (expected >= 1.0f) return value > 150;
  if (expected <= 0.0f) return value < 90;
  return value > 80 && value < 180;
}

bool looksLike(Rgb pixel, const float colour[3]) {
  return channelMatches(pixel.r, colour[0]) &&
         channelMatches(pixel.g, colour[1]) &&
         channelMatches(pixel.b, colour[2]);
}

struct PlayTest : ::testing::Test {
  RunningGame game;
  XClient& client = game.client;
  Window& window = game.window;

  // The game's command line; a fixture that sets it starts another game.
  virtual std::vector<std::string> gameArgs() { return {}; }

  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(
        game.start(LINKLOOM_BINARY, LINKLOOM_RUN_DIR, {}, gameArgs()));
  }

  void TearDown() override {
    if (HasFailure() && window != 0)
      client.savePpm(window,
                     std::string(LINKLOOM_RUN_DIR) + "/play_test_failure.ppm");
  }

  // A coarse fingerprint of the whole window, to see a screen change.
  std::vector<int> fingerprint() {
    std::vector<int> samples;
    for (int y = 30; y < 600; y += 60) {
      for (int x = 40; x < 800; x += 80) {
        const Rgb p = client.pixel(window, x, y);
        samples.push_back(p.r * 65536 + p.g * 256 + p.b);
      }
    }
    return samples;
  }

  // Moves first, since a click acts where the last motion left the pointer.
  void clickAt(Pixel p) {
    client.moveTo(window, p.x, p.y);
    std::this_thread::sleep_for(40ms);
    client.click();
    std::this_thread::sleep_for(40ms);
  }

  bool waitForNodeColour(int level) {
    return waitForColour(levelColours[level]);
  }

  bool waitForColour(const float colour[3]) {
    return waitUntil(
        [&] {
          return looksLike(
              client.pixel(window, idleNodePixel.x, idleNodePixel.y), colour);
        },
        10s);
  }

  // The title and instructions screens clicked away.
  void startPlaying() {
    const std::vector<int> white(fingerprint().size(), 0xffffff);
    ASSERT_TRUE(waitUntil([&] { return fingerprint() != white; }, 10s))
        << "the title screen never showed";
    ASSERT_TRUE(leaveScreen()) << "title did not lead to the instructions";
    ASSERT_TRUE(leaveScreen()) << "instructions did not lead to the game";
  }

  // Clicks a screen away and waits until the window shows something else.
  bool leaveScreen() {
    const std::vector<int> before = fingerprint();
    clickAt({400, 300});
    return waitUntil([&] { return fingerprint() != before; }, 10s);
  }

  void linkChain(Cells cells) {
    clickAt(sourcePixel);
    for (const auto& [row, column] : cells) {
      const Pixel node = gridPixel(row, column);
      clickAt(node);  // links the previous node here
      clickAt(node);  // selects this node for the next link
    }
    clickAt(sinkPixel);
  }
};

TEST_F(PlayTest, TitleInstructionsAndTheFirstLevelSolvedByMouse) {
  ASSERT_NO_FATAL_FAILURE(startPlaying());
  ASSERT_TRUE(waitForNodeColour(0)) << "level 1 nodes are not blue";

  const float red[3] = {1, 0, 0};
  EXPECT_FALSE(
      looksLike(client.pixel(window, resultPixel.x, resultPixel.y), red))
      << "a result shape shows before any chain";
  linkChain(solvingChains[0]);
  // Level 1's result is a red square of size 6 at (41, 48), shown for the
  // one-second pause before level 2 loads.
  EXPECT_TRUE(waitUntil(
      [&] {
        return looksLike(client.pixel(window, resultPixel.x, resultPixel.y),
                         red);
      },
      2s))
      << "the result shape never appeared";
  EXPECT_TRUE(waitForNodeColour(1)) << "level 2 (red nodes) never loaded";
  EXPECT_EQ(game.process.waitExit(0ms), -1) << game.process.stderrText();
}

TEST_F(PlayTest, AllSixLevelsToGameOverAndBackToTheFirst) {
  ASSERT_NO_FATAL_FAILURE(startPlaying());
  for (int level = 0; level < 6; ++level) {
    ASSERT_TRUE(waitForNodeColour(level)) << "level " << level + 1;
    linkChain(solvingChains[level]);
  }
  // The game-over screen replaces the board.
  ASSERT_TRUE(waitUntil(
      [&] {
        return !looksLike(
            client.pixel(window, idleNodePixel.x, idleNodePixel.y),
            levelColours[5]);
      },
      10s));
  const std::vector<int> gameOver = fingerprint();
  clickAt({400, 300});
  EXPECT_TRUE(waitForNodeColour(0)) << "no level 1 after game over";
  EXPECT_NE(fingerprint(), gameOver);
  EXPECT_EQ(game.process.waitExit(0ms), -1) << game.process.stderrText();
}

// A pack of two levels: the first level of the game, then one whose nodes
// are cyan, a colour no built-in level has.
struct PackPlayTest : PlayTest {
  std::string packPath;
  std::vector<std::string> gameArgs() override {
    char pattern[] = "/tmp/linkloom-play-XXXXXX.pack";
    const int fd = mkstemps(pattern, 5);
    packPath = pattern;
    const std::string pack =
        "level\nstart 2/4/0\ntarget 6/4/0\ncolour 0 0 1\n"
        "+4/0/0 +2/0/0 -6/0/0 +2/0/0\n+2/0/0 -4/0/0 -2/0/0 +2/0/0\n"
        "-2/0/0 +2/0/0 +6/0/0 +4/0/0\n+2/0/0 +2/0/0 -2/0/0 -2/0/0\n"
        "level  # the second\nstart 2/4/0\ntarget 4/4/0\ncolour 0 1 1\n" +
        std::string("+2/0/0 +2/0/0 +2/0/0 +2/0/0\n") +
        "+2/0/0 +2/0/0 +2/0/0 +2/0/0\n+2/0/0 +2/0/0 +2/0/0 +2/0/0\n"
        "+2/0/0 +2/0/0 +2/0/0 +2/0/0\n";
    EXPECT_EQ(write(fd, pack.data(), pack.size()),
              static_cast<ssize_t>(pack.size()));
    close(fd);
    return {"--levels", packPath};
  }
  void TearDown() override {
    PlayTest::TearDown();
    std::remove(packPath.c_str());
  }
};

TEST_F(PackPlayTest, APackPlaysItsOwnLevelsInTheirColours) {
  ASSERT_NO_FATAL_FAILURE(startPlaying());
  ASSERT_TRUE(waitForNodeColour(0)) << "the pack's first level is not blue";
  linkChain(solvingChains[0]);
  const float cyan[3] = {0, 1, 1};
  EXPECT_TRUE(waitForColour(cyan)) << "the pack's second level never loaded";
  EXPECT_EQ(game.process.waitExit(0ms), -1) << game.process.stderrText();
}

}  // namespace
