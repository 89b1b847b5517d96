// The changed area between two lists of board draws: sprite boxes that hold
// every pixel a sprite can touch within the window, and nothing when the
// draws both lists hold change order (the board test shows the rest).
#include "render/changed_area.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "render/camera.h"

namespace {

SpriteDraw sprite(unsigned list, float x, float y, float scale,
                  bool turned = false) {
  SpriteDraw draw;
  draw.list = list;
  draw.x = x;
  draw.y = y;
  draw.scale = scale;
  draw.turned = turned;
  return draw;
}

bool covers(const PixelBox& box, int x, int y) {
  return box.left <= x && x < box.right && box.bottom <= y && y < box.top;
}

// The default camera: 800 x 600, 8 pixels a world unit, world (0, 37.5)
// at the middle.
TEST(ChangedArea, SpriteBoxesHoldTheSpriteAndStayInTheWindow) {
  const Camera view;
  const PixelBox node = spriteBox(sprite(1, 0.0f, 37.5f, 4.0f), view);
  EXPECT_TRUE(covers(node, 384, 284) && covers(node, 415, 315));
  EXPECT_FALSE(covers(node, 380, 300) || covers(node, 420, 300));
  // Turned, its corners reach half the diagonal out.
  const PixelBox turned = spriteBox(sprite(1, 0.0f, 37.5f, 4.0f, true), view);
  EXPECT_TRUE(covers(turned, 378, 300) && covers(turned, 421, 300));
  EXPECT_TRUE(spriteBox(sprite(1, 500.0f, 37.5f, 4.0f), view).empty());
  const float huge = std::numeric_limits<float>::max();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  for (const SpriteDraw& wild :
       {sprite(1, nan, 0.0f, 4.0f), sprite(1, 0.0f, 37.5f, -huge, true)}) {
    const PixelBox all = spriteBox(wild, view);
    EXPECT_TRUE(all.left == 0 && all.bottom == 0 && all.right == 800 &&
                all.top == 600);
  }
}

TEST(ChangedArea, CommonDrawsInAnotherOrderAskForEverything) {
  const Camera view;
  const std::vector<SpriteDraw> before = {sprite(1, 0.0f, 37.5f, 4.0f),
                                          sprite(2, 1.0f, 37.5f, 4.0f)};
  EXPECT_FALSE(changedArea(before, {before[1], before[0]}, view));
  EXPECT_FALSE(
      changedArea(before, {before[1], sprite(3, 9, 9, 1), before[0]}, view));
  // One of two equal draws gone: the other stands, in order.
  const auto lessOne = changedArea({before[0], before[0]}, {before[0]}, view);
  ASSERT_TRUE(lessOne);
  EXPECT_TRUE(covers(*lessOne, 400, 300));
}

}  // namespace
