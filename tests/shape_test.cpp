// Shape colour, copying and the solution test.
#include "puzzle/shape.h"

#include <gtest/gtest.h>

namespace {

struct Rgb {
  float r, g, b;
};

Rgb convert(float h, float s, float v) {
  Rgb c{-1, -1, -1};
  hsvToRgb(h, s, v, c.r, c.g, c.b);
  return c;
}

TEST(HsvToRgb, PrimaryAndSecondaryHues) {
  const struct {
    float hue;
    Rgb expected;
  } cases[] = {{0, {1, 0, 0}},    {60, {1, 1, 0}},  {120, {0, 1, 0}},
               {180, {0, 1, 1}},  {240, {0, 0, 1}}, {300, {1, 0, 1}},
               {30, {1, 0.5f, 0}}};
  for (const auto& c : cases) {
    const Rgb got = convert(c.hue, 1, 1);
    EXPECT_NEAR(got.r, c.expected.r, 1e-6) << c.hue;
    EXPECT_NEAR(got.g, c.expected.g, 1e-6) << c.hue;
    EXPECT_NEAR(got.b, c.expected.b, 1e-6) << c.hue;
  }
}

TEST(HsvToRgb, NoSaturationGivesGreyAndOutOfRangeLeavesOutputs) {
  const Rgb grey = convert(200, 0, 0.25f);
  EXPECT_EQ(grey.r, 0.25f);
  EXPECT_EQ(grey.g, 0.25f);
  EXPECT_EQ(grey.b, 0.25f);
  const Rgb untouched = convert(500, 1, 1);
  EXPECT_EQ(untouched.r, -1);
  EXPECT_EQ(untouched.b, -1);
}

TEST(Shape, InitGivesRedTriangleOfSizeOneAndKeepsPosition) {
  Shape s;
  s.x = 3;
  s.y = 4;
  s.init();
  EXPECT_EQ(s.x, 3);
  EXPECT_EQ(s.y, 4);
  EXPECT_EQ(s.hue, 0);
  EXPECT_EQ(s.size, 1);
  EXPECT_EQ(s.sides, 3);
  EXPECT_EQ(s.saturation, 1);
  EXPECT_EQ(s.value, 1);
  EXPECT_EQ(s.red, 1);
  EXPECT_EQ(s.green, 0);
  EXPECT_EQ(s.blue, 0);
}

TEST(Shape, RefreshShiftsTheHueDownOneDegree) {
  Shape s;
  s.init();
  s.hue = 60;  // converts as 59: still inside the red-to-yellow sector
  s.refreshColour();
  EXPECT_EQ(s.red, 1);
  EXPECT_NEAR(s.green, 59.0f / 60.0f, 1e-6);
  EXPECT_EQ(s.blue, 0);
  s.hue = 1;
  s.refreshColour();
  const float greenAtOne = s.green;
  s.hue = 0;
  s.refreshColour();
  EXPECT_EQ(s.green, greenAtOne);
  EXPECT_EQ(s.green, 0);
}

TEST(Shape, CopyKeepsPositionSaturationAndValue) {
  Shape from;
  from.init();
  from.x = 9;
  from.hue = 240;
  from.size = 5;
  from.sides = 6;
  from.saturation = 0.5f;
  from.refreshColour();
  Shape to;
  to.x = 1;
  to.saturation = 0.25f;
  to.copyFrom(from);
  EXPECT_EQ(to.x, 1);
  EXPECT_EQ(to.saturation, 0.25f);
  EXPECT_EQ(to.hue, 240);
  EXPECT_EQ(to.size, 5);
  EXPECT_EQ(to.sides, 6);
  EXPECT_EQ(to.blue, from.blue);
  EXPECT_EQ(to.green, from.green);
}

TEST(Shape, EqualsComparesHueSizeAndSidesOnly) {
  Shape a, b;
  a.init();
  b.init();
  b.x = 40;
  b.red = 0.5f;
  EXPECT_TRUE(a.equals(b));
  b.hue = 0.5f;
  EXPECT_FALSE(a.equals(b));
  b.hue = 0;
  b.size = 1.0001f;
  EXPECT_FALSE(a.equals(b));
  b.size = 1;
  b.sides = 4;
  EXPECT_FALSE(a.equals(b));
}

}  // namespace
