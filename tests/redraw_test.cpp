// The real game's redraws seen from outside: a frame only when something
// shown may have changed, paced through the pause between levels, the right
// picture again after the window is exposed, hidden, shown or resized, and
// keys that change nothing on screen draw nothing.
#include <gtest/gtest.h>

#include <thread>
#include <utility>
#include <vector>

#include "puzzle/board.h"
#include "render/world.h"
#include "tests/solving_chains.h"
#include "tests/support/running_game.h"
#include "tools/support/frame_watch.h"
#include "tools/support/world_mouse.h"

namespace {

using namespace std::chrono_literals;

struct DrawnOnChange : testing::Test {
  RunningGame game;
  SwapCounter swaps;
  XClient& client = game.client;

  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(game.start(LINKLOOM_BINARY, LINKLOOM_RUN_DIR));
    ASSERT_TRUE(swaps.watch(client.display, game.window));
    ASSERT_TRUE(game.showsTitle(10s)) << "the title never showed";
    ASSERT_TRUE(settled()) << "start-up never stopped drawing";
  }

  void TearDown() override {
    EXPECT_EQ(game.process.waitExit(0ms), -1) << game.process.stderrText();
  }

  // Waits until no frame has come for half a second: the frames of
  // start-up or of the last event are over.
  bool settled() {
    return waitUntil(
        [&] {
          const long before = swaps.count();
          std::this_thread::sleep_for(500ms);
          return swaps.count() == before;
        },
        20s);
  }

  // Frames drawn over a span in which nothing happens.
  long framesOver(std::chrono::milliseconds span) {
    const long before = swaps.count();
    std::this_thread::sleep_for(span);
    return swaps.count() - before;
  }

  // Frames drawn by one event, counted once the game has settled again; at
  // least awaited first, so a loaded machine's delay is not taken for none.
  template <typename Event>
  long framesAfter(Event event, long awaited = 1) {
    const long before = swaps.count();
    event();
    swaps.waitFor(before + awaited, 10s);
    EXPECT_TRUE(settled());
    return swaps.count() - before;
  }

  void toLevelOne() {
    moveToWorld(client, game.window, kWorldMiddleX, kWorldTop - 2);
    ASSERT_TRUE(settled());
    ASSERT_GE(framesAfter([&] { client.click(); }), 1) << "no instructions";
    ASSERT_GE(framesAfter([&] { client.click(); }), 1) << "no level 1";
  }

  bool showsTitle() { return game.showsPicture("titlescreen.png", 10s); }
};

TEST_F(DrawnOnChange, AStillTitleAndAStillLevelDrawNothing) {
  const Activity title = watchActivity(swaps, game.process.pid, 2s);
  EXPECT_EQ(title.frames, 0);
  // The music decoder's share alone: far below a frame's cost at 60 a second.
  EXPECT_LE(title.cpuSeconds, 0.1);
  ASSERT_NO_FATAL_FAILURE(toLevelOne());
  const Activity level = watchActivity(swaps, game.process.pid, 2s);
  EXPECT_EQ(level.frames, 0);
  EXPECT_LE(level.cpuSeconds, 0.1);
}

TEST_F(DrawnOnChange, PointerMotionDrawsOnlyWhenTheMarkChanges) {
  ASSERT_NO_FATAL_FAILURE(toLevelOne());
  const Node& node = *boardLayout().gridNode(1, 1);
  EXPECT_GE(
      framesAfter([&] { moveToWorld(client, game.window, node.x, node.y); }), 1)
      << "the mark did not show";
  EXPECT_EQ(framesAfter(
                [&] {
                  for (int step = 1; step <= 3; ++step)
                    moveToWorld(client, game.window, node.x + step, node.y);
                },
                0),
            0)
      << "moving over the same node drew";
}

TEST_F(DrawnOnChange, AClickThatLinksDrawsOneFrame) {
  ASSERT_NO_FATAL_FAILURE(toLevelOne());
  const Board& layout = boardLayout();
  const Node& first = *layout.gridNode(0, 0);
  moveToWorld(client, game.window, layout.sourceNode->x, layout.sourceNode->y);
  ASSERT_TRUE(settled());
  ASSERT_EQ(framesAfter([&] { client.click(); }), 1) << "selecting the source";
  moveToWorld(client, game.window, first.x, first.y);
  ASSERT_TRUE(settled());
  EXPECT_EQ(framesAfter([&] { client.click(); }), 1) << "the link";
  EXPECT_EQ(framesAfter([&] { client.key("t"); }, 0), 0)
      << "t on a shown chain";
}

TEST_F(DrawnOnChange, ThePauseDrawsPacedFramesUntilTheNextLevelShows) {
  ASSERT_NO_FATAL_FAILURE(toLevelOne());
  clickChain(client, game.window, solvingChains[0]);
  const auto start = std::chrono::steady_clock::now();
  const long before = swaps.count();
  ASSERT_TRUE(settled());
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start)
          .count();
  const long frames = swaps.count() - before;
  // A loaded machine lowers the count, but a second of pause at 60 frames
  // a second gives far more than this; the pace holds at 60.
  EXPECT_GE(frames, 10);
  EXPECT_LE(frames / seconds, 63.0);
  // Level 2 shows with no result shape: the last level's went with it.
  const Shape& result = boardLayout().resultShape;
  const Spots resultSpot = {
      {static_cast<int>(pixelX(result.x)), static_cast<int>(pixelY(result.y))}};
  EXPECT_TRUE(game.showsPicture("background.png", 1s, resultSpot));
  EXPECT_EQ(framesOver(1s), 0);
}

TEST_F(DrawnOnChange, ExposeHideShowAndResizeEachDrawTheRightPicture) {
  Display* x = client.display;
  EXPECT_GE(framesAfter([&] {
              XClearArea(x, game.window, 0, 0, 0, 0, True);
              XFlush(x);
            }),
            1)
      << "expose";
  EXPECT_TRUE(showsTitle());
  XUnmapWindow(x, game.window);
  XSync(x, False);
  ASSERT_TRUE(settled());
  EXPECT_GE(framesAfter([&] {
              XMapWindow(x, game.window);
              XSync(x, False);
            }),
            1)
      << "map";
  EXPECT_TRUE(showsTitle());
  EXPECT_GE(framesAfter([&] { client.resize(game.window, 1000, 750); }), 1)
      << "resize";
  EXPECT_GE(framesAfter([&] { client.resize(game.window, 800, 600); }), 1)
      << "resize back";
  EXPECT_TRUE(showsTitle());
}

TEST_F(DrawnOnChange, AHiddenWindowCostsNothingUntilItShowsAgain) {
  ASSERT_NO_FATAL_FAILURE(toLevelOne());
  clickChain(client, game.window, solvingChains[0]);  // the pause runs
  XUnmapWindow(client.display, game.window);
  XSync(client.display, False);
  std::this_thread::sleep_for(300ms);  // the last frames in flight
  // A few clock ticks of CPU at most: no frame drawn, no loop spinning.
  EXPECT_LE(watchActivity(swaps, game.process.pid, 2s).cpuSeconds, 0.03);
  XMapWindow(client.display, game.window);
  XSync(client.display, False);
  const long before = swaps.count();
  EXPECT_GE(swaps.waitFor(before + 1, 10s), before + 1)
      << "no frame after the window showed again";
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

TEST_F(DrawnOnChange, AHeldTChangesNothingOnTheTitleOrThePlayingScreen) {
  // Key events go to the window under the pointer.
  client.moveTo(game.window, 400, 300);
  ASSERT_TRUE(settled());
  XSelectInput(client.display, game.window, KeyPressMask);
  const auto heldT = [&] {
    const std::vector<int> before = look(client, game.window);
    const long frames = swaps.count();
    client.holdKey("t", 1500ms);
    int presses = 0;
    XEvent event;
    while (
        XCheckTypedWindowEvent(client.display, game.window, KeyPress, &event))
      ++presses;
    // The server repeats a held key; the game takes it as one key-down.
    EXPECT_GT(presses, 1) << "the server did not repeat the held key";
    EXPECT_TRUE(settled());
    EXPECT_EQ(swaps.count(), frames);
    EXPECT_EQ(look(client, game.window), before);
  };
  const auto clickOn = [&] {
    const std::vector<int> before = look(client, game.window);
    client.click();
    ASSERT_TRUE(
        waitUntil([&] { return look(client, game.window) != before; }, 10s));
    ASSERT_TRUE(settled());
  };
  heldT();
  ASSERT_NO_FATAL_FAILURE(clickOn());  // to the instructions
  ASSERT_NO_FATAL_FAILURE(clickOn());  // to level 1
  heldT();
}

}  // namespace
