// A player's test: the real game in its own X server, played with synthetic
// mouse events from the title screen through all six levels and back.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <vector>

#include "puzzle/level_pack.h"
#include "puzzle/levels.h"
#include "puzzle/pack_format.h"
#include "render/world.h"
#include "tests/solving_chains.h"
#include "tests/support/running_game.h"
#include "tools/support/world_mouse.h"

namespace {

using namespace std::chrono_literals;

bool channelMatches(int value, float expected) {
  if (expected >= 1.0f) return value > 150;
  if (expected <= 0.0f) return value < 90;
  return value > 80 && value < 180;
}

bool looksLike(Rgb pixel, float red, float green, float blue) {
  return channelMatches(pixel.r, red) && channelMatches(pixel.g, green) &&
         channelMatches(pixel.b, blue);
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
      client.savePng(window,
                     std::string(LINKLOOM_RUN_DIR) + "/play_test_failure.png");
  }

  Rgb pixelAt(float x, float y) {
    return client.pixel(window, static_cast<int>(pixelX(x)),
                        static_cast<int>(pixelY(y)));
  }
  // A grid node no chain below ends on, so no hover mark sits over it.
  bool idleNodeLooksLike(const Level& level) {
    const Node& idle = *boardLayout().gridNode(3, 1);
    return looksLike(pixelAt(idle.x, idle.y), level.nodeRed, level.nodeGreen,
                     level.nodeBlue);
  }
  // Level 1's result is a red square.
  bool resultLooksRed() {
    const Shape& result = boardLayout().resultShape;
    return looksLike(pixelAt(result.x, result.y), 1, 0, 0);
  }

  // A coarse fingerprint of the whole window, to see a screen change.
  std::vector<int> fingerprint() {
    std::vector<int> samples;
    for (int y = 30; y < kWindowHeight; y += 60) {
      for (int x = 40; x < kWindowWidth; x += 80) {
        const Rgb p = client.pixel(window, x, y);
        samples.push_back(p.r * 65536 + p.g * 256 + p.b);
      }
    }
    return samples;
  }

  bool waitForNodeColour(const Level& level) {
    return waitUntil([&] { return idleNodeLooksLike(level); }, 10s);
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
    clickWorld(client, window, kWorldMiddleX, kWorldMiddleY);
    return waitUntil([&] { return fingerprint() != before; }, 10s);
  }
};

TEST_F(PlayTest, TitleInstructionsAndTheFirstLevelSolvedByMouse) {
  ASSERT_NO_FATAL_FAILURE(startPlaying());
  ASSERT_TRUE(waitForNodeColour(builtInLevels[0]))
      << "level 1 nodes are not blue";

  EXPECT_FALSE(resultLooksRed()) << "a result shape shows before any chain";
  clickChain(client, window, solvingChains[0]);
  // The result shows for the one-second pause before level 2 loads.
  EXPECT_TRUE(waitUntil([&] { return resultLooksRed(); }, 2s))
      << "the result shape never appeared";
  EXPECT_TRUE(waitForNodeColour(builtInLevels[1]))
      << "level 2 (red nodes) never loaded";
  EXPECT_EQ(game.process.waitExit(0ms), -1) << game.process.stderrText();
}

TEST_F(PlayTest, AllSixLevelsToGameOverAndBackToTheFirst) {
  ASSERT_NO_FATAL_FAILURE(startPlaying());
  for (int level = 0; level < levelCount; ++level) {
    ASSERT_TRUE(waitForNodeColour(builtInLevels[level]))
        << "level " << level + 1;
    clickChain(client, window, solvingChains[level]);
  }
  // The game-over screen replaces the board.
  ASSERT_TRUE(
      waitUntil([&] { return !idleNodeLooksLike(builtInLevels.back()); }, 10s));
  const std::vector<int> gameOver = fingerprint();
  clickWorld(client, window, kWorldMiddleX, kWorldMiddleY);
  EXPECT_TRUE(waitForNodeColour(builtInLevels[0]))
      << "no level 1 after game over";
  EXPECT_NE(fingerprint(), gameOver);
  EXPECT_EQ(game.process.waitExit(0ms), -1) << game.process.stderrText();
}

// A pack of two levels: the game's first, then one whose nodes are cyan, a
// colour no built-in level has.
struct PackPlayTest : PlayTest {
  Level cyan = builtInLevels[1];
  std::string packPath = std::string(LINKLOOM_RUN_DIR) + "/play_test_" +
                         std::to_string(getpid()) + ".pack";

  std::vector<std::string> gameArgs() override {
    cyan.nodeRed = 0;
    cyan.nodeGreen = 1;
    cyan.nodeBlue = 1;
    std::ofstream(packPath) << formatPack({builtInLevels[0], cyan});
    // A bare pack among the toolkit's options, as a player might start it.
    return {"-geometry", "800x600", packPath};
  }
  void TearDown() override {
    PlayTest::TearDown();
    std::remove(packPath.c_str());
  }
};

TEST_F(PackPlayTest, APackPlaysItsOwnLevelsInTheirColours) {
  ASSERT_NO_FATAL_FAILURE(startPlaying());
  ASSERT_TRUE(waitForNodeColour(builtInLevels[0])) << "the pack's first level";
  clickChain(client, window, solvingChains[0]);
  EXPECT_TRUE(waitForNodeColour(cyan)) << "the pack's second level";
  EXPECT_EQ(game.process.waitExit(0ms), -1) << game.process.stderrText();
}

}  // namespace
