// Guided play as a player meets it: the real game with --seed, --daily or
// --levels in its own X server, played with synthetic mouse and keys, the
// window's title and pixels read back; and the classic game without any of
// it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <thread>
#include <vector>

#include "puzzle/chain_trace.h"
#include "puzzle/level_generator.h"
#include "puzzle/level_pack.h"
#include "puzzle/levels.h"
#include "puzzle/pack_format.h"
#include "puzzle/trace_place.h"
#include "render/guided_draw.h"
#include "render/world.h"
#include "tests/chain.h"
#include "tests/solving_chains.h"
#include "tests/support/running_game.h"
#include "tools/support/world_mouse.h"

namespace {

using namespace std::chrono_literals;

bool close(const Rgb& a, const Rgb& b, int tolerance) {
  return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
         std::abs(a.b - b.b) <= tolerance;
}

Rgb colourOf(const Shape& shape) {
  return {static_cast<int>(shape.red * 255),
          static_cast<int>(shape.green * 255),
          static_cast<int>(shape.blue * 255)};
}

// Where the game puts the label of a node on the board's chain.
WorldBox labelOf(const Board& board, const Node& node) {
  return placeTraceLabel(board, node, kTraceLabelWidth, kTraceLabelHeight);
}

// Three grid nodes from the source, neither reaching the sink nor passing
// a node two different levels would need.
const Cells kThreeNodes = {{1, 0}, {1, 1}, {2, 1}};

struct GuidedWindow : ::testing::Test {
  RunningGame game;
  XClient& client = game.client;
  Window& window = game.window;

  void start(const std::vector<std::string>& args) {
    ASSERT_NO_FATAL_FAILURE(
        game.start(LINKLOOM_BINARY, LINKLOOM_RUN_DIR, {}, args));
    ASSERT_TRUE(game.showsTitle(10s));
  }
  void TearDown() override {
    if (HasFailure() && window != 0)
      client.savePng(window, std::string(LINKLOOM_RUN_DIR) +
                                 "/guided_window_test_failure.png");
  }

  Rgb pixelAt(float x, float y) {
    return client.pixel(window, static_cast<int>(pixelX(x)),
                        static_cast<int>(pixelY(y)));
  }
  // Clicks a screen away and waits until the window shows something else.
  bool leaveScreen() {
    const auto sample = [&] {
      std::vector<int> samples;
      for (int y = 30; y < kWindowHeight; y += 90)
        for (int x = 40; x < kWindowWidth; x += 120) {
          const Rgb p = client.pixel(window, x, y);
          samples.push_back(p.r * 65536 + p.g * 256 + p.b);
        }
      return samples;
    };
    const std::vector<int> before = sample();
    clickWorld(client, window, kWorldMiddleX, kWorldMiddleY);
    return waitUntil([&] { return sample() != before; }, 10s);
  }
  void startPlaying() {
    ASSERT_TRUE(leaveScreen()) << "title did not lead to the instructions";
    ASSERT_TRUE(leaveScreen()) << "instructions did not lead to the game";
  }
  bool titleBecomes(const std::string& expected) {
    return waitUntil([&] { return client.title(window) == expected; }, 10s);
  }
  // A link from the source through the cells, ending short of the sink.
  void linkFromSource(Cells cells) {
    const Board& layout = boardLayout();
    const Node* from = layout.sourceNode;
    for (const auto& [row, column] : cells) {
      const Node* to = layout.gridNode(row, column);
      clickWorld(client, window, from->x, from->y);
      clickWorld(client, window, to->x, to->y);
      from = to;
    }
    moveToWorld(client, window, kWorldMiddleX, 14.0f);  // no hover mark
  }
  // Some pixel of a box of the window (pixels from the top left) is dark:
  // the light playing field shows no such pixel there.
  bool darkIn(int left, int top, int right, int bottom) {
    for (int y = top; y < bottom; y += 2)
      for (int x = left; x < right; x += 2) {
        const Rgb p = client.pixel(window, x, y);
        if (p.r < 110 && p.g < 110 && p.b < 130) return true;
      }
    return false;
  }
  bool resultShows() {
    const Shape& result = boardLayout().resultShape;
    const Rgb p = pixelAt(result.x, result.y);
    return p.r > 150 && p.g < 90 && p.b < 90;  // level 1's red square
  }
};

TEST_F(GuidedWindow, ASeedShowsItsPlaceTheKeysAndTheShapeAfterEveryNode) {
  ASSERT_NO_FATAL_FAILURE(start({"--seed", "42", "--difficulty", "hard"}));
  ASSERT_NO_FATAL_FAILURE(startPlaying());
  EXPECT_TRUE(
      titleBecomes("Linkloom, Quillfen - Seed 42 - hard - level 1 of 6"))
      << client.title(window);
  // The status line at the top left and the key list along the bottom.
  EXPECT_TRUE(waitUntil([&] { return darkIn(8, 4, 200, 24); }, 5s));
  EXPECT_TRUE(darkIn(500, 578, 796, 596));

  linkFromSource(kThreeNodes);
  Board expected;
  expected.build();
  expected.setLevel(generateLevels(42, 1, Difficulty::Hard).front());
  linkChain(expected, kThreeNodes);
  expected.gridNode(2, 1)->next = nullptr;  // short of the sink
  const std::vector<TracedNode> trace = traceChain(expected);
  ASSERT_EQ(trace.size(), 4u);
  for (std::size_t i = 1; i < trace.size(); ++i) {
    const Node& node = *trace[i].node;
    const Rgb want = colourOf(trace[i].leaving);
    const WorldBox label = labelOf(expected, node);
    EXPECT_TRUE(waitUntil(
        [&] {
          return close(pixelAt(traceShapeX(label), traceShapeY(label)), want,
                       60);
        },
        5s))
        << "the shape after node " << i;
  }

  // h shows a hint, h again takes it: pressed over and over it solves the
  // level from wherever the chain stands.
  const std::string next = "Linkloom, Quillfen - Seed 42 - hard - level 2 of 6";
  for (int press = 0; press < 80 && client.title(window) != next; ++press) {
    client.key("h");
    std::this_thread::sleep_for(60ms);
  }
  EXPECT_TRUE(titleBecomes(next)) << client.title(window);
  EXPECT_EQ(game.process.waitExit(0ms), -1) << game.process.stderrText();
}

TEST_F(GuidedWindow, TheDailyPuzzleNamesItsDate) {
  ASSERT_NO_FATAL_FAILURE(start({"--daily"}));
  ASSERT_NO_FATAL_FAILURE(startPlaying());
  EXPECT_TRUE(waitUntil(
      [&] {
        const std::string title = client.title(window);
        return title.rfind("Linkloom, Quillfen - Daily 20", 0) == 0 &&
               title.find(" - level 1 of 6") != std::string::npos;
      },
      10s))
      << client.title(window);
}

TEST_F(GuidedWindow, TheClassicGameShowsNoTraceStatusOrKeys) {
  ASSERT_NO_FATAL_FAILURE(start({}));
  ASSERT_NO_FATAL_FAILURE(startPlaying());
  linkFromSource(kThreeNodes);
  std::this_thread::sleep_for(500ms);
  Spots spots = {{8 + 40, 14}, {600, 590}};
  Board linked;
  linked.build();
  linkChain(linked, kThreeNodes);
  linked.gridNode(2, 1)->next = nullptr;
  for (const auto& [row, column] : kThreeNodes) {
    const WorldBox label = labelOf(linked, *linked.gridNode(row, column));
    spots.push_back({static_cast<int>(pixelX(traceShapeX(label))),
                     static_cast<int>(pixelY(traceShapeY(label)))});
  }
  EXPECT_TRUE(game.showsPicture("background.png", 2s, spots));
  EXPECT_EQ(client.title(window), kWindowTitle);
}

// A pack of two levels: the game's first two.
struct GuidedPack : GuidedWindow {
  std::string packName = "guided_test_" + std::to_string(getpid()) + ".pack";
  std::string packPath = std::string(LINKLOOM_RUN_DIR) + "/" + packName;

  void SetUp() override {
    std::ofstream(packPath) << formatPack({levels[0], levels[1]});
    ASSERT_NO_FATAL_FAILURE(start({"--levels", packPath}));
    ASSERT_NO_FATAL_FAILURE(startPlaying());
  }
  void TearDown() override {
    GuidedWindow::TearDown();
    std::remove(packPath.c_str());
  }
};

// A level of the pack's own: the first level with a start of size 3 and a
// second-row node taking 4 away, which the size's limit holds at 2.
struct SmallTrace : GuidedWindow {
  std::string packPath = std::string(LINKLOOM_RUN_DIR) + "/small_trace_" +
                         std::to_string(getpid()) + ".pack";

  void SetUp() override {
    Level level = levels[0];
    level.startSize = 3.0f;
    level.deltas[4] = {-4.0f, 0, 0.0f};  // row 1, column 0
    std::ofstream(packPath) << formatPack({level});
    ASSERT_NO_FATAL_FAILURE(start({"--levels", packPath}));
    ASSERT_NO_FATAL_FAILURE(startPlaying());
  }
  void TearDown() override {
    GuidedWindow::TearDown();
    std::remove(packPath.c_str());
  }
  bool reddish(const Rgb& p) { return p.r > p.g + 50 && p.r > p.b + 50; }
};

TEST_F(SmallTrace, ASizeTwoTraceIsDrawnAtLeast24PixelsAcrossAndItsLimitFramed) {
  linkFromSource({{1, 0}});
  Board expected;
  expected.build();
  linkChain(expected, {{1, 0}});
  expected.gridNode(1, 0)->next = nullptr;
  const WorldBox label = labelOf(expected, *expected.gridNode(1, 0));
  // The shape's square of the label: the widest run of its pixels, which
  // stand out from the label's pale ground, on any row.
  const int left = static_cast<int>(pixelX(label.left));
  const int top = static_cast<int>(pixelY(label.top));
  const int side = static_cast<int>(kTraceShapeSide * kPixelsPerUnit);
  const auto widestRun = [&] {
    int widest = 0;
    for (int y = top; y < top + side; ++y) {
      int first = -1, last = -1;
      for (int x = left; x < left + side + 2; ++x) {
        const Rgb p = client.pixel(window, x, y);
        if (p.r + p.g + p.b > 3 * 215) continue;  // the ground
        if (first < 0) first = x;
        last = x;
      }
      if (first >= 0) widest = std::max(widest, last - first + 1);
    }
    return widest;
  };
  EXPECT_TRUE(waitUntil([&] { return widestRun() >= 24; }, 5s))
      << widestRun() << " pixels";
  // The size's number stands in a red frame: red pixels in the label's
  // first line of numbers, none in its second.
  const auto redIn = [&](int line) {
    const float baseline = traceLineBaseline(label, line);
    int red = 0;
    for (int y = static_cast<int>(pixelY(baseline + 1.3f));
         y <= static_cast<int>(pixelY(baseline - 0.4f)); ++y)
      for (int x = static_cast<int>(pixelX(traceTextLeft(label)));
           x < static_cast<int>(pixelX(label.right)); ++x)
        red += reddish(client.pixel(window, x, y));
    return red;
  };
  EXPECT_GT(redIn(0), 20);
  EXPECT_EQ(redIn(1), 0);
}

TEST_F(SmallTrace, ThePointerMarkIsRedOnARefusedLinkBack) {
  // (1, 1) links to (1, 0); with (1, 0) selected, a press on (1, 1) would
  // link back and is refused.
  const Board& layout = boardLayout();
  const Node& first = *layout.gridNode(1, 0);
  const Node& second = *layout.gridNode(1, 1);
  clickWorld(client, window, second.x, second.y);
  clickWorld(client, window, first.x, first.y);
  clickWorld(client, window, first.x, first.y);  // selected
  moveToWorld(client, window, second.x, second.y);
  // The ring, 23 pixels out from the node's centre, below it.
  const auto ring = [&] {
    return client.pixel(window, static_cast<int>(pixelX(second.x)),
                        static_cast<int>(pixelY(second.y)) + 23);
  };
  EXPECT_TRUE(waitUntil([&] { return reddish(ring()); }, 5s))
      << ring().r << ", " << ring().g << ", " << ring().b;
  // Another neighbour of the selected node would link: a white ring.
  const Node& below = *layout.gridNode(2, 0);
  moveToWorld(client, window, below.x, below.y);
  EXPECT_TRUE(waitUntil(
      [&] {
        const Rgb p = client.pixel(window, static_cast<int>(pixelX(below.x)),
                                   static_cast<int>(pixelY(below.y)) + 23);
        return p.r > 200 && p.g > 200 && p.b > 200;
      },
      5s));
}

TEST_F(GuidedPack, KeysUndoRedoHelpAndClearAndTheCountAtTheEndSaysTwo) {
  EXPECT_TRUE(
      titleBecomes("Linkloom, Quillfen - " + packName + " - level 1 of 2"))
      << client.title(window);
  // Along the top row the chain reaches the sink with the wrong size: the
  // result shows, and the level stays.
  clickChain(client, window, {{0, 0}, {0, 1}, {0, 2}, {0, 3}});
  ASSERT_TRUE(waitUntil([&] { return resultShows(); }, 5s));
  client.key("u");  // the last link, into the sink, taken back
  EXPECT_TRUE(waitUntil([&] { return !resultShows(); }, 5s));
  client.keyWith("Control_L", "y");
  EXPECT_TRUE(waitUntil([&] { return resultShows(); }, 5s));
  // The instructions again, and a click back to the level as it was.
  client.keyWith("Shift_L", "question");
  EXPECT_TRUE(game.showsPicture("guidedhelp.png", 5s));
  clickWorld(client, window, kWorldMiddleX, kWorldMiddleY);
  EXPECT_TRUE(waitUntil([&] { return resultShows(); }, 5s));
  client.key("r");
  EXPECT_TRUE(waitUntil([&] { return !resultShows(); }, 5s));

  // Solved, the level says so during the pause, on a dark panel over the
  // board's middle.
  clickChain(client, window, solvingChains[0]);
  EXPECT_TRUE(waitUntil(
      [&] {
        const Rgb p = pixelAt(0.0f, 51.0f);
        return p.r < 100 && p.g < 100 && p.b < 130;
      },
      5s))
      << "no cleared message";
  EXPECT_TRUE(
      titleBecomes("Linkloom, Quillfen - " + packName + " - level 2 of 2"));
  std::this_thread::sleep_for(300ms);
  clickChain(client, window, solvingChains[1]);
  // The game-over picture of guided play, with the count written where the
  // classic picture has its sentence.
  const Spots corners = {{2, 2}, {797, 2}, {2, 597}, {797, 597}};
  ASSERT_TRUE(game.showsPicture("guidedover.png", 10s, corners));
  Spots sentence;
  for (int x = 200; x < 600; x += 3) sentence.push_back({x, 272});
  EXPECT_FALSE(game.showsPicture("guidedover.png", 1s, sentence))
      << "no count over the game-over picture";
  EXPECT_EQ(game.process.waitExit(0ms), -1) << game.process.stderrText();
}

}  // namespace
