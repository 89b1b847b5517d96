// The board on screen: node colours, links placed, turned and scaled, the
// shapes, the marks, and their stacking, read back from a drawn frame.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "puzzle/board.h"
#include "puzzle/levels.h"
#include "render/board_sprites.h"
#include "tests/support/gl_stage.h"

namespace {

const Rgb kGround{kBackgroundGrey, kBackgroundGrey, kBackgroundGrey};
const Rgb kWhite{255, 255, 255};

struct BoardDraw : testing::Test {
  Board& b = board();

  void SetUp() override {
    loadQuietLevel(0);
    b.hoverValid = false;
  }

  Node& grid(int row, int column) { return *b.gridNode(row, column); }

  static Rgb levelColour(const Level& level) {
    return {static_cast<int>(level.nodeRed * 255 + 0.5f),
            static_cast<int>(level.nodeGreen * 255 + 0.5f),
            static_cast<int>(level.nodeBlue * 255 + 0.5f)};
  }

  // A shape drawn from the plain grey picture for its sides: white tint.
  static void whiten(Shape& shape, int sides, float size) {
    shape.sides = sides;
    shape.size = size;
    shape.red = shape.green = shape.blue = 1.0f;
  }
};

TEST_F(BoardDraw, EveryNodeBodyTakesTheLevelColourAndItsOutlineStaysWhite) {
  for (int level = 0; level < levelCount; ++level) {
    b.levelIndex = level;
    drawPlayingFrame();
    const Rgb body = levelColour(builtInLevels[level]);
    for (const auto& node : b.nodes) {
      EXPECT_TRUE(near(worldPixel(node->x, node->y), body))
          << "level " << level << " node at " << node->x << "," << node->y;
      // The outline's outer two texels: 1.5 units from the centre.
      EXPECT_TRUE(near(worldPixel(node->x - 1.5f, node->y), kWhite));
    }
  }
}

TEST_F(BoardDraw, InTheFrameAfterTheSixthLevelNodesTakeTheLastLevelsColour) {
  b.levelIndex = levelCount;
  drawPlayingFrame();
  EXPECT_TRUE(near(worldPixel(b.sourceNode->x, b.sourceNode->y),
                   levelColour(builtInLevels.back())));
  EXPECT_TRUE(near(worldPixel(grid(0, 0).x, grid(0, 0).y), {255, 128, 0}));
}

TEST_F(BoardDraw, ALinkSitsBetweenItsNodesScaledToSixTenthsOfTheirDistance) {
  // (-6, 54) to (6, 54): a 7.2-unit picture centred on (0, 54), unturned.
  // Its texel centres lie 1.8 units out from the middle.
  grid(1, 1).next = &grid(1, 2);
  drawPlayingFrame();
  EXPECT_TRUE(near(worldPixel(-1.8f, 55.8f), {255, 0, 0}, 6));
  EXPECT_TRUE(near(worldPixel(1.8f, 55.8f), {0, 255, 0}, 6));
  EXPECT_TRUE(near(worldPixel(-1.8f, 52.2f), {0, 0, 255}, 6));
  EXPECT_TRUE(near(worldPixel(1.8f, 52.2f), {255, 255, 0}, 6));
  EXPECT_TRUE(near(worldPixel(0.0f, 58.0f), kGround));
}

TEST_F(BoardDraw, ALinkIsTurnedToPointAtItsNextNode) {
  // Pointing left: turned by 180 degrees, yellow comes to the top left.
  grid(1, 2).next = &grid(1, 1);
  drawPlayingFrame();
  EXPECT_TRUE(near(worldPixel(-1.8f, 55.8f), {255, 255, 0}, 6));
  EXPECT_TRUE(near(worldPixel(1.8f, 52.2f), {255, 0, 0}, 6));

  // Pointing up from (-6, 42) to (-6, 54): turned by 90 degrees about
  // (-6, 48), the picture's right column (green over yellow) becomes the
  // top row and its left column (red over blue) the bottom row.
  grid(1, 2).next = nullptr;
  grid(2, 1).next = &grid(1, 1);
  drawPlayingFrame();
  EXPECT_TRUE(near(worldPixel(-7.8f, 49.8f), {0, 255, 0}, 6));
  EXPECT_TRUE(near(worldPixel(-4.2f, 49.8f), {255, 255, 0}, 6));
  EXPECT_TRUE(near(worldPixel(-7.8f, 46.2f), {255, 0, 0}, 6));
  EXPECT_TRUE(near(worldPixel(-4.2f, 46.2f), {0, 0, 255}, 6));
}

TEST_F(BoardDraw, TheResultShapeIsDrawnOnlyWhileTheChainReachesTheSink) {
  whiten(b.resultShape, 4, 4.0f);
  drawPlayingFrame();
  EXPECT_TRUE(near(worldPixel(41.0f, 48.0f), kGround));
  b.reachesSink = true;
  drawPlayingFrame();
  const int grey = shapeGrey(4);
  EXPECT_TRUE(near(worldPixel(41.0f, 48.0f), {grey, grey, grey}));
  // The start and target shapes are drawn either way.
  b.reachesSink = false;
  whiten(b.startShape, 5, 3.0f);
  whiten(b.targetShape, 6, 3.0f);
  drawPlayingFrame();
  EXPECT_TRUE(near(worldPixel(-41.0f, 48.0f),
                   {shapeGrey(5), shapeGrey(5), shapeGrey(5)}));
  EXPECT_TRUE(near(worldPixel(-22.0f, 10.0f),
                   {shapeGrey(6), shapeGrey(6), shapeGrey(6)}));
}

TEST_F(BoardDraw, AShapeIsTintedWithItsColourAndSizedTwiceItsSize) {
  b.startShape.sides = 8;
  b.startShape.size = 8.0f;
  b.startShape.red = 1.0f;
  b.startShape.green = 0.5f;
  b.startShape.blue = 0.0f;
  drawPlayingFrame();
  const int grey = shapeGrey(8);
  const Rgb tinted{grey, grey / 2, 0};
  EXPECT_TRUE(near(worldPixel(-41.0f, 48.0f), tinted));
  EXPECT_TRUE(near(worldPixel(-41.0f + 7.6f, 48.0f + 7.6f), tinted));
  EXPECT_TRUE(near(worldPixel(-41.0f + 8.4f, 48.0f), kGround));
  EXPECT_TRUE(near(worldPixel(-41.0f, 48.0f - 8.4f), kGround));

  whiten(b.startShape, 3, 2.0f);
  drawPlayingFrame();
  EXPECT_TRUE(near(worldPixel(-41.0f + 1.8f, 48.0f), {90, 90, 90}));
  EXPECT_TRUE(near(worldPixel(-41.0f + 2.3f, 48.0f), kGround));
}

TEST_F(BoardDraw, EachCornerCountHasItsPictureAndOthersTakeTheNearest) {
  for (int sides = 3; sides <= 8; ++sides) {
    whiten(b.startShape, sides, 4.0f);
    drawPlayingFrame();
    const int grey = shapeGrey(sides);
    EXPECT_TRUE(near(worldPixel(-41.0f, 48.0f), {grey, grey, grey})) << sides;
  }
  for (const auto& [sides, nearest] : std::vector<std::pair<int, int>>{
           {2, 3}, {0, 3}, {-40, 3}, {9, 8}, {1000, 8}}) {
    whiten(b.startShape, sides, 4.0f);
    drawPlayingFrame();
    const int grey = shapeGrey(nearest);
    EXPECT_TRUE(near(worldPixel(-41.0f, 48.0f), {grey, grey, grey})) << sides;
  }
}

// The selector's ring: its outer two texels lie 3 to 4 units from the
// centre, clear of the node body.
TEST_F(BoardDraw, TheSelectedNodeGetsAWhiteMark) {
  b.selectedNode = &grid(2, 2);
  drawPlayingFrame();
  EXPECT_TRUE(near(worldPixel(grid(2, 2).x - 3.0f, grid(2, 2).y), kWhite));
  EXPECT_TRUE(near(worldPixel(grid(2, 1).x - 3.0f, grid(2, 1).y), kGround));
}

TEST_F(BoardDraw, TheHoverMarkIsWhiteWhenValidAndTranslucentRedWhenNot) {
  b.hoveredNode = &grid(0, 3);
  const float x = grid(0, 3).x - 3.0f, y = grid(0, 3).y;
  b.hoverValid = true;
  drawPlayingFrame();
  EXPECT_TRUE(near(worldPixel(x, y), kWhite));
  // 40 % red over the grey: 0.4 * 255 + 0.6 * 128, and 0.6 * 128.
  b.hoverValid = false;
  drawPlayingFrame();
  EXPECT_TRUE(near(worldPixel(x, y), {179, 77, 77}));
  // No hovered node, no mark, whatever hoverValid says.
  b.hoveredNode = nullptr;
  drawPlayingFrame();
  EXPECT_TRUE(near(worldPixel(x, y), kGround));
}

TEST_F(BoardDraw, OnTheSelectedNodeTheHoverMarkLiesOnTop) {
  b.selectedNode = &grid(3, 0);
  b.hoveredNode = &grid(3, 0);
  b.hoverValid = false;
  drawPlayingFrame();
  // 40 % red over the white selection mark.
  EXPECT_TRUE(
      near(worldPixel(grid(3, 0).x - 3.0f, grid(3, 0).y), {255, 153, 153}));
}

// White again even after the refused hover's translucent red mark.
TEST_F(BoardDraw, DrawingLeavesTexturingBlendingAndAlphaTestOffAndWhite) {
  b.selectedNode = &grid(0, 0);
  b.hoveredNode = &grid(0, 1);
  drawPlayingFrame();
  EXPECT_EQ(glState(), kPutBack);
}

// With the link sprite built while "./images/link.png" is missing, so every
// link is a plain square that shows exactly where the picture would lie.
struct BoardDrawWithoutLinkPicture : BoardDraw {
  static void SetUpTestSuite() {
    const std::string link = picturePath(linkFile);
    const std::string aside = picturePath(linkFile) + ".aside";
    std::filesystem::rename(link, aside);
    buildBoardSprites(board());
    std::filesystem::rename(aside, link);
  }
  static void TearDownTestSuite() { buildBoardSprites(board()); }
};

TEST_F(BoardDrawWithoutLinkPicture, EveryLinkIsAWhiteSquareTurnedAndScaled) {
  // (-18, 66) to (-6, 66): 7.2 units a side around (-12, 66).
  grid(0, 0).next = &grid(0, 1);
  // (-6, 54) to (6, 42): 0.6 * 12 * sqrt(2) = 10.18 units a side, turned by
  // -45 degrees, so its corners reach 7.2 units along the axes from (0, 48).
  grid(1, 1).next = &grid(2, 2);
  drawPlayingFrame();
  EXPECT_TRUE(near(worldPixel(-12.0f, 69.3f), kWhite));
  EXPECT_TRUE(near(worldPixel(-12.0f, 69.9f), kGround));
  EXPECT_TRUE(near(worldPixel(-8.6f, 66.0f), kWhite));
  EXPECT_TRUE(near(worldPixel(-15.4f, 66.0f), kWhite));
  EXPECT_TRUE(near(worldPixel(6.5f, 48.0f), kWhite));
  EXPECT_TRUE(near(worldPixel(-6.5f, 48.0f), kWhite));
  // Inside an unturned square of that side, outside the turned one.
  EXPECT_TRUE(near(worldPixel(3.8f, 51.8f), kGround));
}

TEST_F(BoardDrawWithoutLinkPicture, ALinkCoversEarlierNodesAndLiesUnderLater) {
  // Links no player could make, long enough to reach over other nodes: a
  // 21.6-unit square from each. Nodes (3, 1) and (3, 2) come before (3, 3)
  // in the list; (0, 1) and (0, 2) come after (0, 0).
  grid(3, 3).next = &grid(3, 0);
  grid(0, 0).next = &grid(0, 3);
  drawPlayingFrame();
  const Rgb body = levelColour(builtInLevels[0]);
  EXPECT_TRUE(near(worldPixel(grid(3, 1).x, grid(3, 1).y), kWhite));
  EXPECT_TRUE(near(worldPixel(grid(3, 2).x, grid(3, 2).y), kWhite));
  EXPECT_TRUE(near(worldPixel(grid(0, 1).x, grid(0, 1).y), body));
  EXPECT_TRUE(near(worldPixel(grid(0, 2).x, grid(0, 2).y), body));
}

}  // namespace
