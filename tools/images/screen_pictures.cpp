// Screen pictures: a shared backdrop, lettering with a soft shadow, and the
// game's own pieces (nodes, links, shapes) as decoration.
#include "tools/images/screen_pictures.h"

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "tools/images/distance_fields.h"
#include "tools/images/text.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
const Colour kWhite{1.0f, 1.0f, 1.0f, 1.0f};
const Colour kShadow{0.02f, 0.04f, 0.10f, 1.0f};
const Colour kSoftText{0.80f, 0.90f, 1.0f, 1.0f};
// The node colours of the six levels.
const std::array<Colour, 6> kLevelColours = {{{0.0f, 0.0f, 1.0f, 1.0f},
                                              {1.0f, 0.0f, 0.0f, 1.0f},
                                              {0.0f, 1.0f, 0.0f, 1.0f},
                                              {1.0f, 1.0f, 0.0f, 1.0f},
                                              {1.0f, 0.0f, 1.0f, 1.0f},
                                              {1.0f, 0.5f, 0.0f, 1.0f}}};

Mask fullMask() {
  Mask mask(kWidth, kHeight);
  mask.coverage.assign(mask.coverage.size(), 1.0f);
  return mask;
}

// Deep indigo to teal, with large faint polygons drifting across.
Canvas backdrop() {
  Canvas canvas(kWidth, kHeight, {});
  const Colour corner{0.11f, 0.13f, 0.30f, 1.0f};
  const Colour far{0.07f, 0.36f, 0.44f, 1.0f};
  paint(canvas, fullMask(), [&](float x, float y) {
    const float t = (x / kWidth * 0.6f + y / kHeight * 0.4f);
    const float vignette =
        0.12f *
        std::pow(std::hypot(x / kWidth - 0.5f, y / kHeight - 0.5f), 2.0f);
    Colour c = mix(corner, far, t);
    c.r -= vignette, c.g -= vignette, c.b -= vignette;
    return c;
  });
  struct Drift {
    int sides;
    float x, y, extent, angle;
  };
  const Drift drifts[] = {{6, 90, 90, 210, 0.3f},
                          {3, 700, 120, 240, -0.2f},
                          {5, 720, 520, 260, 0.5f},
                          {4, 70, 540, 180, 0.7f},
                          {8, 420, 330, 520, 0.1f}};
  for (const Drift& d : drifts) {
    const Field body =
        polygonField(turnedPolygon(d.sides, d.x, d.y, d.extent, d.angle));
    paint(canvas, fieldMask(kWidth, kHeight, body), kWhite, 0.035f);
  }
  return canvas;
}

// Lettering with a blurred drop shadow beneath it.
void letter(Canvas& canvas, const Mask& text, const Colour& colour) {
  paint(canvas, blurred(text, 3), kShadow, 0.55f, 0, 3);
  paint(canvas, text, colour);
}

void centredLine(Canvas& canvas, const std::string& fontPath, int size,
                 const std::string& text, float baseline,
                 const Colour& colour) {
  const Font font(fontPath, size);
  Mask mask(kWidth, kHeight);
  font.drawCentred(mask, text, kWidth * 0.5f, baseline);
  letter(canvas, mask, colour);
}

// The call to act, in a rounded frame near the bottom of the screen.
void clickPrompt(Canvas& canvas, const FontPaths& fonts,
                 const std::string& text) {
  constexpr int size = 30;
  constexpr float baseline = 548.0f;
  const Font font(fonts.regular, size);
  const float half = font.width(text) * 0.5f + 34.0f;
  const float top = baseline - size - 8.0f, bottom = baseline + 17.0f;
  const Field frame =
      roundedBoxField(kWidth * 0.5f - half, top, kWidth * 0.5f + half, bottom,
                      (bottom - top) * 0.5f);
  paint(canvas, fieldMask(kWidth, kHeight, frame), kWhite, 0.10f);
  const Field edge = [frame](float x, float y) {
    return std::fabs(frame(x, y)) - 1.2f;
  };
  paint(canvas, fieldMask(kWidth, kHeight, edge), kWhite, 0.75f);
  Mask mask(kWidth, kHeight);
  font.drawCentred(mask, text, kWidth * 0.5f, baseline);
  letter(canvas, mask, kWhite);
}

// A node as the board shows it: a bead in the level's colour with a white
// rim.
void node(Canvas& canvas, float x, float y, float radius,
          const Colour& colour) {
  paint(canvas, blurred(fieldMask(kWidth, kHeight, discField(x, y, radius)), 4),
        kShadow, 0.5f, 0, 4);
  paint(canvas, fieldMask(kWidth, kHeight, discField(x, y, radius)),
        [&](float px, float py) {
          const float r = std::hypot(px - x, py - y) / radius;
          return mix(colour, kShadow, 0.3f * r * r * r);
        });
  paint(canvas,
        fieldMask(kWidth, kHeight, ringField(x, y, radius - 2.0f, 4.0f)),
        kWhite);
}

// An arrow from one point to another, shortened to leave the nodes clear.
void link(Canvas& canvas, float x0, float y0, float x1, float y1,
          float clearance) {
  const float length = std::hypot(x1 - x0, y1 - y0);
  const float ux = (x1 - x0) / length, uy = (y1 - y0) / length;
  const float from = clearance, to = length - clearance;
  const float shaft = 3.0f, head = 9.0f, headLength = 16.0f;
  // Corners along the link (a) and across it (b), turned into pixels.
  auto at = [&](float a, float b) {
    return Point{x0 + ux * a - uy * b, y0 + uy * a + ux * b};
  };
  const Field arrow = polygonField(
      {at(from, -shaft), at(to - headLength, -shaft),
       at(to - headLength, -head), at(to, 0), at(to - headLength, head),
       at(to - headLength, shaft), at(from, shaft)});
  paint(canvas, fieldMask(kWidth, kHeight, arrow), kWhite, 0.85f);
}

// A shape token in its hue with a light rim.
void shape(Canvas& canvas, int sides, float x, float y, float extent,
           float hue) {
  const Field body = polygonField(regularPolygon(sides, x, y, extent));
  paint(canvas, blurred(fieldMask(kWidth, kHeight, body), 5), kShadow, 0.45f, 0,
        5);
  const Colour colour = fromHsv(hue, 0.85f, 1.0f);
  paint(canvas, fieldMask(kWidth, kHeight, body), [&](float px, float py) {
    const float inside = -body(px, py);
    return mix(mix(colour, kWhite, 0.55f), colour,
               std::fmin(1.0f, inside / 7.0f));
  });
}

}  // namespace

Canvas titlePicture(const FontPaths& fonts) {
  Canvas canvas = backdrop();
  centredLine(canvas, fonts.bold, 118, "Linkloom", 215.0f, kWhite);
  centredLine(canvas, fonts.regular, 28, "Link the nodes, shape the shape",
              268.0f, kSoftText);

  // A chain from a start triangle through five nodes to a hexagon.
  std::vector<Point> chain;
  for (int k = 0; k < 5; ++k)
    chain.push_back({180.0f + 110.0f * k, 392.0f + 26.0f * std::sin(k * 1.3f)});
  shape(canvas, 3, 86.0f, 392.0f, 62.0f, 200.0f);
  shape(canvas, 6, 714.0f, 392.0f, 62.0f, 320.0f);
  link(canvas, 86.0f, 392.0f, chain.front().x, chain.front().y, 36.0f);
  for (std::size_t k = 0; k + 1 < chain.size(); ++k)
    link(canvas, chain[k].x, chain[k].y, chain[k + 1].x, chain[k + 1].y, 28.0f);
  link(canvas, chain.back().x, chain.back().y, 714.0f, 392.0f, 36.0f);
  for (std::size_t k = 0; k < chain.size(); ++k)
    node(canvas, chain[k].x, chain[k].y, 20.0f, kLevelColours[k]);

  clickPrompt(canvas, fonts, "click to start");
  return canvas;
}

Canvas instructionsPicture(const FontPaths& fonts) {
  Canvas canvas = backdrop();
  centredLine(canvas, fonts.bold, 54, "How to play", 92.0f, kWhite);

  const std::array<std::string, 5> steps = {
      "Click a node to select it, then click a neighbouring node to link "
      "the two.",
      "Click the selected node again to remove its link.",
      "Build a chain from the source on the left to the sink on the right. "
      "Every node on the way changes the shape's size, corners or colour.",
      "The shape that reaches the sink must match the target shape.",
      "Press T to test your chain."};
  constexpr float left = 128.0f, textWidth = 590.0f, lineHeight = 33.0f;
  const Font font(fonts.regular, 24);
  Mask text(kWidth, kHeight);
  float baseline = 162.0f;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    node(canvas, left - 28.0f, baseline - 8.0f, 9.0f, kLevelColours[i]);
    for (const std::string& line : font.wrap(steps[i], textWidth)) {
      font.draw(text, line, left, baseline);
      baseline += lineHeight;
    }
    baseline += 16.0f;
  }
  letter(canvas, text, kWhite);
  clickPrompt(canvas, fonts, "click to continue");
  return canvas;
}

Canvas gameOverPicture(const FontPaths& fonts) {
  Canvas canvas = backdrop();
  centredLine(canvas, fonts.bold, 100, "Well done!", 220.0f, kWhite);
  centredLine(canvas, fonts.regular, 32, "All six levels solved.", 282.0f,
              kSoftText);
  // One of every shape, 3 to 8 corners, in a rainbow.
  for (int k = 0; k < 6; ++k)
    shape(canvas, k + 3, 400.0f + (k - 2.5f) * 108.0f, 395.0f, 72.0f,
          k * 58.0f);
  clickPrompt(canvas, fonts, "click to play again");
  return canvas;
}

Canvas iconPicture() {
  // Drawn large on a screen-sized canvas with the same figures as the
  // title, then cut out and shrunk by four, which also smooths its edges.
  constexpr int side = 512, shrink = 4;
  constexpr float left = (kWidth - side) / 2.0f, top = (kHeight - side) / 2.0f;
  Canvas large(kWidth, kHeight, {1.0f, 1.0f, 1.0f, 0.0f});
  const Field tile =
      roundedBoxField(left + 8, top + 8, left + side - 8, top + side - 8, 96);
  paint(large, fieldMask(kWidth, kHeight, tile), [&](float x, float y) {
    const float t = ((x - left) + (y - top)) / (2.0f * side);
    return mix({0.11f, 0.13f, 0.30f, 1.0f}, {0.07f, 0.36f, 0.44f, 1.0f}, t);
  });
  const float middle = kHeight / 2.0f;
  shape(large, 3, left + 112, middle, 150, 200);
  shape(large, 6, left + side - 112, middle, 150, 320);
  link(large, left + 112, middle, kWidth / 2.0f, middle, 62);
  link(large, kWidth / 2.0f, middle, left + side - 112, middle, 62);
  node(large, kWidth / 2.0f, middle, 44, kLevelColours[0]);

  Canvas icon(side / shrink, side / shrink, {});
  for (int y = 0; y < icon.height; ++y) {
    for (int x = 0; x < icon.width; ++x) {
      // Average with alpha weighting, so clear pixels lend no colour.
      Colour sum{0, 0, 0, 0};
      for (int dy = 0; dy < shrink; ++dy) {
        for (int dx = 0; dx < shrink; ++dx) {
          const Colour& c = large.at(static_cast<int>(left) + x * shrink + dx,
                                     static_cast<int>(top) + y * shrink + dy);
          sum.r += c.r * c.a, sum.g += c.g * c.a, sum.b += c.b * c.a;
          sum.a += c.a;
        }
      }
      Colour& out = icon.at(x, y);
      out.a = sum.a / (shrink * shrink);
      if (sum.a > 0) out = {sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, out.a};
    }
  }
  return icon;
}
