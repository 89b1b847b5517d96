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
  EXPECT_EQ(fourThreeRequest(800).height, 600);
  EXPECT_EQ(fourThreeRequest(1000).height, 750);
  EXPECT_EQ(fourThreeRequest(801).height, 600);
  EXPECT_EQ(fourThreeRequest(801).width, 801);
}

TEST_F(ViewTest, ReshapeNeverAsksForLessThanOnePixel) {
  for (int width : {1, 0, -5}) {
    EXPECT_GE(fourThreeRequest(width).width, 1) << width;
    EXPECT_GE(fourThreeRequest(width).height, 1) << width;
  }
}

TEST_F(ViewTest, TheLargestFourThreeSizeFitsTheSpaceGiven) {
  struct Case {
    int availableWidth, availableHeight, width, height;
  };
  for (const Case& c :
       {Case{800, 600, 800, 600}, Case{1280, 600, 800, 600},
        Case{640, 900, 640, 480}, Case{1001, 751, 1001, 750},
        Case{1000, 749, 998, 748}, Case{0, 0, 1, 1}, Case{-10, 300, 1, 1}}) {
    const WindowSize fit = fourThreeFit(c.availableWidth, c.availableHeight);
    EXPECT_EQ(fit.width, c.width)
        << c.availableWidth << "x" << c.availableHeight;
    EXPECT_EQ(fit.height, c.height)
        << c.availableWidth << "x" << c.availableHeight;
  }
}

TEST_F(ViewTest, AFittedSizeIsWhatTheCameraThenAsksFor) {
  for (int height = 1; height < 1200; height += 7) {
    const WindowSize fit = fourThreeFit(5000, height);
    EXPECT_LE(fit.height, height);
    EXPECT_EQ(fourThreeRequest(fit.width).height, fit.height) << height;
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
