// The real game's redraws seen from outside: paced on the title screen,
// none while its window is hidden, and keys that change nothing on screen.
#include <gtest/gtest.h>

#include <thread>
#include <utility>
#include <vector>

#include "tests/support/running_game.h"
#include "tools/support/frame_watch.h"

namespace {

using namespace std::chrono_literals;
struct PacedGame : testing::Test {
  RunningGame game;
  SwapCounter swaps;

  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(game.start(LINKLOOM_BINARY, LINKLOOM_RUN_DIR));
    ASSERT_TRUE(swaps.watch(game.client.display, game.window));
    ASSERT_GE(swaps.waitFor(3, 10s), 3) << "the game never drew";
  }
};

// A loaded machine can only lower the frame count and the game's share of
// a core, so neither bound below can fail for want of time.
TEST_F(PacedGame, TheTitleScreenRedrawsAtMostSixtyTimesASecondOnLittleCpu) {
  const Activity title = watchActivity(swaps, game.process.pid, 3s);
  EXPECT_GE(title.frames, 10) << "frames stopped coming";
  EXPECT_LE(title.frames / title.seconds, 63.0);
  EXPECT_LE(title.cpuSeconds / title.seconds, 0.5)
      << title.cpuSeconds * 1000 / title.frames << " ms a frame";
}

TEST_F(PacedGame, AHiddenWindowCostsNothingUntilItShowsAgain) {
  XUnmapWindow(game.client.display, game.window);
  XSync(game.client.display, False);
  std::this_thread::sleep_for(300ms);  // the last frames in flight
  // A few clock ticks of CPU at most: no frame drawn, no loop spinning.
  EXPECT_LE(watchActivity(swaps, game.process.pid, 2s).cpuSeconds, 0.03);
  XMapWindow(game.client.display, game.window);
  XSync(game.client.display, False);
  const long before = swaps.count();
  EXPECT_GE(swaps.waitFor(before + 10, 10s), before + 10)
      << "no frames after the window showed again";
}

// A few spots across the window, to see that a screen changed or did not.
std::vector<int> look(XClient& client, Window window) {
  std::vector<int> spots;
  for (const auto& [x, y] : {std::pair{400, 180}, {200, 450}, {600, 300}}) {
    const Rgb p = client.pixel(window, x, y);
    spots.push_back(p.r * 65536 + p.g * 256 + p.b);
  }
  return spots;
}

TEST_F(PacedGame, AHeldTChangesNothingOnTheTitleOrThePlayingScreen) {
  XClient& client = game.client;
  // Key events go to the window under the pointer.
  client.moveTo(game.window, 400, 300);
  XSelectInput(client.display, game.window, KeyPressMask);
  const auto heldT = [&] {
    const std::vector<int> before = look(client, game.window);
    client.holdKey("t", 1500ms);
    int presses = 0;
    XEvent event;
    while (
        XCheckTypedWindowEvent(client.display, game.window, KeyPress, &event))
      ++presses;
    // The server repeats a held key; the game takes it as one key-down.
    EXPECT_GT(presses, 1) << "the server did not repeat the held key";
    const long frames = swaps.count();
    EXPECT_GE(swaps.waitFor(frames + 5, 5s), frames + 5);
    EXPECT_EQ(look(client, game.window), before);
  };
  const auto clickOn = [&] {
    const std::vector<int> before = look(client, game.window);
    client.click();
    ASSERT_TRUE(
        waitUntil([&] { return look(client, game.window) != before; }, 10s));
    swaps.waitFor(swaps.count() + 3, 5s);  // the new screen settled
  };
  heldT();
  ASSERT_NO_FATAL_FAILURE(clickOn());  // to the instructions
  ASSERT_NO_FATAL_FAILURE(clickOn());  // to level 1
  heldT();
  EXPECT_EQ(game.process.waitExit(0ms), -1) << game.process.stderrText();
}

}  // namespace
