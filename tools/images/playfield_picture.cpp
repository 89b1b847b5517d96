// The playing field: a light gradient, a dot grid that fades out around
// the play area, faint corner figures and the labels of the three shapes.
#include "tools/images/playfield_picture.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/images/distance_fields.h"
#include "tools/images/text.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr float kPixelsPerUnit = 8.0f;

float pixelX(float worldX) { return (worldX + 50.0f) * kPixelsPerUnit; }
float pixelY(float worldY) { return (75.0f - worldY) * kPixelsPerUnit; }

struct WorldBox {
  float left, bottom, right, top;
};

// What the player reads: the board with the marks around its outer nodes,
// and the three shapes at their largest (16 units) with a margin.
const std::vector<WorldBox> kKeepClear = {
    {-35.0f, 21.0f, 35.0f, 75.0f},
    {-50.0f, 39.0f, -32.0f, 57.0f},
    {32.0f, 39.0f, 50.0f, 57.0f},
    {-31.0f, 1.0f, -13.0f, 19.0f},
};

// Distance in world units from a pixel to the nearest kept-clear box.
float clearance(float x, float y) {
  const float wx = x / kPixelsPerUnit - 50.0f;
  const float wy = 75.0f - y / kPixelsPerUnit;
  float nearest = 1e9f;
  for (const WorldBox& box : kKeepClear) {
    const float dx = std::max({box.left - wx, 0.0f, wx - box.right});
    const float dy = std::max({box.bottom - wy, 0.0f, wy - box.top});
    nearest = std::min(nearest, std::hypot(dx, dy));
  }
  return nearest;
}

// Dots that fade out near the play area and around the lettering.
void paintGrid(Canvas& canvas, const Mask& lettering) {
  constexpr float spacing = 20.0f;
  const Field dots = [](float x, float y) {
    const float gx = std::fmod(x, spacing) - spacing * 0.5f;
    const float gy = std::fmod(y, spacing) - spacing * 0.5f;
    return std::hypot(gx, gy) - 1.4f;
  };
  const Colour dotColour{0.50f, 0.58f, 0.70f, 1.0f};
  const Mask nearLetters = blurred(lettering, 10);
  Mask mask = fieldMask(kWidth, kHeight, dots);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const float open =
          std::clamp(clearance(x + 0.5f, y + 0.5f) / 4.0f, 0.0f, 1.0f);
      const float clearOfText =
          std::clamp(1.0f - 8.0f * nearLetters.at(x, y), 0.0f, 1.0f);
      mask.at(x, y) *= open * clearOfText;
    }
  }
  paint(canvas, mask, dotColour, 0.4f);
}

void paintCornerFigures(Canvas& canvas) {
  struct Figure {
    int sides;
    float worldX, worldY, extentUnits, angle;
  };
  const Figure figures[] = {{6, -46.0f, 71.0f, 13.0f, 0.2f},
                            {3, 46.0f, 71.0f, 12.0f, -0.3f},
                            {5, -45.0f, 4.0f, 12.0f, 0.4f}};
  const Colour line{0.42f, 0.52f, 0.66f, 1.0f};
  for (const Figure& f : figures) {
    const Field body =
        polygonField(turnedPolygon(f.sides, pixelX(f.worldX), pixelY(f.worldY),
                                   f.extentUnits * kPixelsPerUnit, f.angle));
    paint(canvas, fieldMask(kWidth, kHeight, body), line, 0.06f);
    const Field edge = [body](float x, float y) {
      return std::fabs(body(x, y)) - 1.5f;
    };
    paint(canvas, fieldMask(kWidth, kHeight, edge), line, 0.22f);
  }
}

// The names of the three shapes beside them, and the key to press.
Mask lettering(const FontPaths& fonts) {
  const Font label(fonts.bold, 15);
  Mask mask(kWidth, kHeight);
  label.drawCentred(mask, "START", pixelX(-41.0f), pixelY(58.5f));
  label.drawCentred(mask, "RESULT", pixelX(41.0f), pixelY(58.5f));
  label.draw(mask, "TARGET", pixelX(-11.5f), pixelY(9.0f));
  const Font hint(fonts.regular, 16);
  const std::string hintText = "Press T to test your chain";
  hint.draw(mask, hintText, pixelX(48.5f) - hint.width(hintText), pixelY(2.0f));
  return mask;
}

}  // namespace

Canvas playfieldPicture(const FontPaths& fonts) {
  Canvas canvas(kWidth, kHeight, {});
  const Colour top{0.955f, 0.965f, 0.985f, 1.0f};
  const Colour bottom{0.855f, 0.895f, 0.940f, 1.0f};
  Mask whole(kWidth, kHeight);
  whole.coverage.assign(whole.coverage.size(), 1.0f);
  paint(canvas, whole, [&](float x, float y) {
    // A soft light in the middle of the board.
    const float glow =
        std::exp(-std::pow(std::hypot(x - 400.0f, y - 230.0f) / 420.0f, 2.0f));
    return mix(mix(top, bottom, y / kHeight), top, 0.6f * glow);
  });
  const Mask text = lettering(fonts);
  paintGrid(canvas, text);
  paintCornerFigures(canvas);
  paint(canvas, text, Colour{0.36f, 0.43f, 0.54f, 1.0f});
  return canvas;
}
