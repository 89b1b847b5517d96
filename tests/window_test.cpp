// The real binary opens its window under a virtual X server.
#include <gtest/gtest.h>

#include "tests/support/x_session.h"

namespace {

using namespace std::chrono_literals;

TEST(Window, OpensAt800By600WithTheGameTitle) {
  VirtualDisplay screen;
  ASSERT_TRUE(screen.start());
  GameProcess game;
  ASSERT_TRUE(game.start(LINKLOOM_BINARY, LINKLOOM_RUN_DIR, screen.name));
  XClient client;
  ASSERT_TRUE(client.open(screen.name));
  const Window window = client.findWindow("Linkloom, Quillfen", 10s);
  ASSERT_NE(window, 0u) << game.stderrText();
  int width = 0, height = 0;
  ASSERT_TRUE(waitUntil(
      [&] {
        return client.size(window, width, height) && width == 800 &&
               height == 600;
      },
      5s));
  EXPECT_EQ(width, 800);
  EXPECT_EQ(height, 600);
  // Still running after some frames: start-up did not crash.
  EXPECT_EQ(game.waitExit(500ms), -1) << game.stderrText();
}

}  // namespace
