// The real binary opens its window under a virtual X server.
#include <gtest/gtest.h>

#include "tests/support/running_game.h"

namespace {

using namespace std::chrono_literals;

TEST(Window, OpensAt800By600WithTheGameTitle) {
  RunningGame game;
  ASSERT_NO_FATAL_FAILURE(game.start(LINKLOOM_BINARY, LINKLOOM_RUN_DIR));
  int width = 0, height = 0;
  ASSERT_TRUE(waitUntil(
      [&] {
        return game.client.size(game.window, width, height) && width == 800 &&
               height == 600;
      },
      5s));
  EXPECT_EQ(width, 800);
  EXPECT_EQ(height, 600);
  // Still running after some frames: start-up did not crash.
  EXPECT_EQ(game.process.waitExit(500ms), -1) << game.process.stderrText();
}

}  // namespace
