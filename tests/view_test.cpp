// Camera requests and pointer mapping, on their arithmetic alone.
#include <gtest/gtest.h>

#include <cmath>

#include "render/camera.h"
#include "render/pointer.h"

namespace {

struct ViewTest : ::testing::Test {
  void SetUp() override { resize(800, 600); }
  static void resize(int width, int height) {
    camera().width = width;
    camera().height = height;
  }
  static void expectMaps(double px, double py, float wx, float wy) {
    pointer().track(px, py);
    EXPECT_NEAR(pointer().worldX, wx, 1e-4) << px << "," << py;
    EXPECT_NEAR(pointer().worldY, wy, 1e-4) << px << "," << py;
  }
};

TEST_F(ViewTest, ReshapeAsksForFourThree) {
  EXPECT_EQ(fourThreeRequest(800, kWindowCap).height, 600);
  EXPECT_EQ(fourThreeRequest(1000, kWindowCap).height, 750);
  EXPECT_EQ(fourThreeRequest(801, kWindowCap).height, 600);
  EXPECT_EQ(fourThreeRequest(801, kWindowCap).width, 801);
}

TEST_F(ViewTest, ReshapeNeverAsksForLessThanOnePixel) {
  for (int width : {1, 0, -5}) {
    EXPECT_GE(fourThreeRequest(width, kWindowCap).width, 1) << width;
    EXPECT_GE(fourThreeRequest(width, kWindowCap).height, 1) << width;
  }
}

TEST_F(ViewTest, ReshapeBeyondTheBoundAsksForTheLargestFourThreeWithin) {
  struct Case {
    int width;
    WindowSize bound, request;
  };
  for (const Case& c : {
           // Up to the bound, as without one.
           Case{1024, {1024, 768}, {1024, 768}},
           Case{1025, {2000, 768}, {1025, 768}},
           // The width alone, or the height the width calls for, too large.
           Case{65535, {1024, 768}, {1024, 768}},
           Case{1400, {1600, 900}, {1201, 900}},
           Case{1026, {2000, 768}, {1025, 768}},
           Case{65535, {16384, 16384}, {16384, 12288}},
           Case{2147483647, kWindowCap, {8192, 6144}},
       }) {
    const WindowSize request = fourThreeRequest(c.width, c.bound);
    EXPECT_EQ(request.width, c.request.width) << c.width;
    EXPECT_EQ(request.height, c.request.height) << c.width;
    EXPECT_LE(request.height, c.bound.height) << c.width;
  }
}

TEST_F(ViewTest, ViewHalfHeightIsThirtySevenAndAHalf) {
  EXPECT_NEAR(camera().viewHalfHeight(), 37.5, 1e-5);
}

TEST_F(ViewTest, CornersAndCentreMapToTheWorldRectangle) {
  expectMaps(0, 0, -50, 75);
  expectMaps(800, 600, 50, 0);
  expectMaps(400, 300, 0, 37.5f);
}

TEST_F(ViewTest, DragsOutsideTheWindowArePulledToItsEdge) {
  expectMaps(-20, 700, -50, 0);
  expectMaps(900, -3, 50, 75);
}

TEST_F(ViewTest, OddHeightTakesTheIntegerCentre) {
  resize(800, 601);  // halfH 300: row 300 is the centre, scale 1/300
  expectMaps(400, 300, 0, 37.5f);
  expectMaps(400, 0, 0, 75);
  expectMaps(400, 601, 0, 37.5f - 37.5f * 301.0f / 300.0f);
}

TEST_F(ViewTest, AOnePixelHighWindowKeepsTheLastPosition) {
  expectMaps(200, 150, -25, 56.25f);
  resize(2, 1);
  pointer().track(1, 1);
  EXPECT_TRUE(std::isfinite(pointer().worldX));
  EXPECT_NEAR(pointer().worldX, -25, 1e-4);
  EXPECT_NEAR(pointer().worldY, 56.25f, 1e-4);
}

}  // namespace
