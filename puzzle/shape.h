// Shape: a coloured polygon token with a size, a number of sides and a hue.
#pragma once

// Limits that every node of a chain clamps the shape to. The hue stops at 320
// degrees, and the sides match the six shape pictures (3 to 8 corners).
// kQuantityTable (puzzle/quantities.h) lists them with the rest of each
// quantity's description.
constexpr float kMinHue = 0.0f;
constexpr float kMaxHue = 320.0f;
constexpr int kMinSides = 3;
constexpr int kMaxSides = 8;
constexpr float kMinSize = 2.0f;
constexpr float kMaxSize = 8.0f;

struct Shape {
  float x = 0.0f;  // world centre
  float y = 0.0f;
  float size = 0.0f;  // half the drawn width, world units
  int sides = 0;      // 3 to 8
  float hue = 0.0f;   // degrees
  float saturation = 0.0f;
  float value = 0.0f;
  // Derived colour: written only by init, refreshColour and copyFrom.
  float red = 0.0f;
  float green = 0.0f;
  float blue = 0.0f;

  // Hue 0, size 1, three sides, full saturation and value; leaves x and y.
  void init();
  // Recomputes red, green, blue from hue, saturation and value, with the hue
  // shifted down one degree first (hues 0 and 1 look the same).
  void refreshColour();
  // Copies every quantity (size, sides, hue) and the colour; keeps position,
  // saturation, value.
  void copyFrom(const Shape& other);
  // The solution test: every quantity the same, exactly (hue, size, sides).
  // Position and colour are not compared.
  bool equals(const Shape& other) const;
  // Draws the shape's sprite in its colour (render/, needs a GL context).
  void draw() const;
};

// h in degrees (0 to 360), s and v in 0 to 1. For a sector outside 0 to 6 the
// outputs are left as they were.
void hsvToRgb(float h, float s, float v, float& r, float& g, float& b);
