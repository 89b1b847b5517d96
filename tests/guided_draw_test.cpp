// Guided play's drawing read back: the shape traced beside each node of
// the chain, in its sides, size and colour, and the links off the chain
// dimmed.
#include "render/guided_draw.h"

#include <gtest/gtest.h>

#include "puzzle/board.h"
#include "puzzle/chain_trace.h"
#include "render/board_parts.h"
#include "tests/support/gl_stage.h"

namespace {

const Rgb kGround{kBackgroundGrey, kBackgroundGrey, kBackgroundGrey};

struct GuidedDraw : testing::Test {
  Board& b = board();

  void SetUp() override {
    loadQuietLevel(2);  // level 3: start hue 60, 7 sides, size 3
  }
  void TearDown() override {
    boardLook() = BoardLook{};
    b.levelIndex = 0;
    b.loadLevel();
  }

  // The test shape pictures are grey 30 * sides, tinted by the colour.
  static Rgb tinted(const Shape& shape) {
    const float grey = static_cast<float>(shapeGrey(shape.sides));
    return {static_cast<int>(shape.red * grey + 0.5f),
            static_cast<int>(shape.green * grey + 0.5f),
            static_cast<int>(shape.blue * grey + 0.5f)};
  }
};

TEST_F(GuidedDraw, EachNodeOfAThreeNodeChainShowsTheShapeLeavingIt) {
  // Sides 7 - 2 = 5, then hue 60 - 60 = 0 (red), then sides 5 - 1 = 4;
  // the size stays 3.
  Node* chain[] = {b.gridNode(0, 0), b.gridNode(0, 1), b.gridNode(0, 2)};
  b.sourceNode->next = chain[0];
  chain[0]->next = chain[1];
  chain[1]->next = chain[2];
  drawPlayingFrame();
  drawChainTrace(b);

  const std::vector<TracedNode> trace = traceChain(b);
  ASSERT_EQ(trace.size(), 4u);
  const int sides[] = {5, 5, 4};
  const float sizes[] = {3, 3, 3};
  const bool red[] = {false, true, true};
  for (int i = 0; i < 3; ++i) {
    const Shape& leaving = trace[i + 1].leaving;
    ASSERT_EQ(leaving.sides, sides[i]);
    ASSERT_EQ(leaving.size, sizes[i]);
    EXPECT_EQ(leaving.green < 0.5f, red[i]) << "node " << i;
    const float x = chain[i]->x + kTraceOffsetX;
    const float y = chain[i]->y + kTraceOffsetY;
    EXPECT_TRUE(near(worldPixel(x, y), tinted(leaving), 4)) << "node " << i;
    // Drawn a quarter of the size each side of its centre: size 3 reaches
    // 0.75 units out.
    const float half = sizes[i] * kTraceScale;
    EXPECT_TRUE(near(worldPixel(x + half - 0.2f, y), tinted(leaving), 4))
        << "node " << i;
    EXPECT_TRUE(near(worldPixel(x + half + 0.2f, y), kGround)) << "node " << i;
  }
  // Nothing beside a node off the chain, nor beside the source.
  const Node& idle = *b.gridNode(2, 2);
  EXPECT_TRUE(near(worldPixel(idle.x + kTraceOffsetX, idle.y + kTraceOffsetY),
                   kGround));
  EXPECT_TRUE(near(worldPixel(b.sourceNode->x + kTraceOffsetX,
                              b.sourceNode->y + kTraceOffsetY),
                   kGround));
}

TEST_F(GuidedDraw, LinksOffTheLiveChainAreDrawnAtTheChosenOpacity) {
  // (-6, 54) to (6, 54) off the chain, (-18, 66) to (-6, 66) on it; the link
  // picture's top-left texel is red.
  b.sourceNode->next = b.gridNode(0, 0);
  b.gridNode(0, 0)->next = b.gridNode(0, 1);
  b.gridNode(1, 1)->next = b.gridNode(1, 2);
  boardLook().offChainLinkAlpha = 1.0f / 3.0f;
  drawPlayingFrame();
  const int dimmed = (255 + 2 * kBackgroundGrey) / 3;
  const int faded = (2 * kBackgroundGrey) / 3;
  EXPECT_TRUE(near(worldPixel(-1.8f, 55.8f), {dimmed, faded, faded}, 6));
  EXPECT_TRUE(near(worldPixel(-13.8f, 67.8f), {255, 0, 0}, 6));
}

}  // namespace
