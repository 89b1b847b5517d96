// Shape operations: default values, colour, copy and the solution test.
#include "puzzle/shape.h"

#include "puzzle/quantities.h"

void hsvToRgb(float h, float s, float v, float& r, float& g, float& b) {
  if (s == 0.0f) {
    r = g = b = v;
    return;
  }
  const int sector = static_cast<int>(h / 60.0f);
  const float f = h / 60.0f - static_cast<float>(sector);
  const float p = v * (1.0f - s);
  const float q = v * (1.0f - s * f);
  const float t = v * (1.0f - s * (1.0f - f));
  const auto assign = [&](float red, float green, float blue) {
    r = red;
    g = green;
    b = blue;
  };
  switch (sector) {
    case 0: assign(v, t, p); break;
    case 1: assign(q, v, p); break;
    case 2: assign(p, v, t); break;
    case 3: assign(p, q, v); break;
    case 4: assign(t, p, v); break;
    case 5:
    case 6: assign(v, p, q); break;
    default: break;  // outside 0 to 360 degrees: outputs left as they were
  }
}

void Shape::init() {
  saturation = 1.0f;
  value = 1.0f;
  hue = 0.0f;
  hsvToRgb(hue, saturation, value, red, green, blue);
  size = 1.0f;
  sides = 3;
}

void Shape::refreshColour() {
  float h = hue - 1.0f;
  if (h < 0.0f) h = 0.0f;
  hsvToRgb(h, saturation, value, red, green, blue);
}

void Shape::copyFrom(const Shape& other) {
  forEachQuantity(
      [&](const auto& entry) { this->*entry.amount = other.*entry.amount; });
  red = other.red;
  green = other.green;
  blue = other.blue;
}

bool Shape::equals(const Shape& other) const {
  bool same = true;
  forEachQuantity([&](const auto& entry) {
    same = same && this->*entry.amount == other.*entry.amount;
  });
  return same;
}
