// The changed area between two lists of board draws: the boxes of the draws
// that differ, nothing when the common draws change order, and sprite boxes
// that cover every pixel a sprite can touch, within the window.
#include "render/changed_area.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "render/camera.h"

namespace {

// The default camera: 800 x 600, 8 pixels a world unit, world x -50 at the
// left edge and world y 0 at the bottom.
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

TEST(ChangedArea, SpriteBoxesCoverTheSpriteAndStayInTheWindow) {
  const Camera view;
  // A 4-unit node at the world's middle: 32 pixels around (400, 300).
  const PixelBox node = spriteBox(sprite(1, 0.0f, 37.5f, 4.0f), view);
  EXPECT_TRUE(covers(node, 384, 284) && covers(node, 415, 315));
  EXPECT_FALSE(covers(node, 380, 300) || covers(node, 420, 300));
  // Turned, its corners reach half the diagonal out.
  const PixelBox turned = spriteBox(sprite(1, 0.0f, 37.5f, 4.0f, true), view);
  EXPECT_TRUE(covers(turned, 378, 300) && covers(turned, 421, 300));
  const PixelBox edge = spriteBox(sprite(1, -50.0f, 0.0f, 8.0f), view);
  EXPECT_EQ(edge.left, 0);
  EXPECT_EQ(edge.bottom, 0);
  EXPECT_TRUE(spriteBox(sprite(1, 500.0f, 37.5f, 4.0f), view).empty());
  const float huge = std::numeric_limits<float>::max();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  for (const SpriteDraw& wild :
       {sprite(1, nan, 0.0f, 4.0f), sprite(1, 0.0f, 0.0f, huge),
        sprite(1, 0.0f, 37.5f, -huge, true)}) {
    const PixelBox all = spriteBox(wild, view);
    EXPECT_EQ(all.left, 0);
    EXPECT_EQ(all.bottom, 0);
    EXPECT_EQ(all.right, 800);
    EXPECT_EQ(all.top, 600);
  }
}

TEST(ChangedArea, OnlyTheDrawsInOneListAndNotTheOtherAreBoxed) {
  const Camera view;
  const std::vector<SpriteDraw> before = {sprite(1, -30.0f, 10.0f, 4.0f),
                                          sprite(2, 0.0f, 37.5f, 4.0f),
                                          sprite(3, 30.0f, 60.0f, 4.0f)};
  const auto same = changedArea(before, before, view);
  ASSERT_TRUE(same);
  EXPECT_TRUE(same->empty());

  // A link added between the first two, the last one moved.
  std::vector<SpriteDraw> now = before;
  now.insert(now.begin() + 1, sprite(4, -15.0f, 20.0f, 6.0f, true));
  now[3].x = 35.0f;
  const auto area = changedArea(before, now, view);
  ASSERT_TRUE(area);
  EXPECT_TRUE(covers(*area, static_cast<int>(view.windowX(-15.0f)),
                     static_cast<int>(view.windowY(20.0f))));
  EXPECT_TRUE(covers(*area, static_cast<int>(view.windowX(30.0f)),
                     static_cast<int>(view.windowY(60.0f))))
      << "where the moved sprite was";
  EXPECT_TRUE(covers(*area, static_cast<int>(view.windowX(35.0f)),
                     static_cast<int>(view.windowY(60.0f))));
  EXPECT_FALSE(covers(*area, static_cast<int>(view.windowX(-30.0f)),
                      static_cast<int>(view.windowY(10.0f))))
      << "the first sprite did not change";

  // One of two equal draws gone: the other still stands, and the box
  // says where.
  const std::vector<SpriteDraw> twice = {before[0], before[0], before[1]};
  const auto lessOne = changedArea(twice, before, view);
  ASSERT_TRUE(lessOne);
  EXPECT_TRUE(covers(*lessOne, static_cast<int>(view.windowX(-30.0f)),
                     static_cast<int>(view.windowY(10.0f))));
}

TEST(ChangedArea, CommonDrawsInAnotherOrderAskForEverything) {
  const Camera view;
  const std::vector<SpriteDraw> before = {sprite(1, 0.0f, 37.5f, 4.0f),
                                          sprite(2, 1.0f, 37.5f, 4.0f)};
  const std::vector<SpriteDraw> swapped = {before[1], before[0]};
  EXPECT_FALSE(changedArea(before, swapped, view));
  const std::vector<SpriteDraw> longer = {before[1], sprite(3, 9, 9, 1),
                                          before[0]};
  EXPECT_FALSE(changedArea(before, longer, view));
}

}  // namespace
