// Screen pictures: a shared backdrop, lettering with a soft shadow, and the
// game's own pieces (nodes, links, shapes) as decoration.
#include "tools/images/screen_pictures.h"

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "puzzle/levels.h"
#include "puzzle/shape_numbers.h"
#include "render/world.h"
#include "tools/images/text.h"

namespace {

const Colour kWhite{1.0, 1.0, 1.0, 1.0};
const Colour kShadow{0.02, 0.04, 0.10, 1.0};
const Colour kSoftText{0.80, 0.90, 1.0, 1.0};
const Colour kIndigo{0.11, 0.13, 0.30, 1.0};
const Colour kTeal{0.07, 0.36, 0.44, 1.0};
// A node in the colour of one of the built-in levels.
Colour levelColour(int index) {
  const Level& level = builtInLevels[index];
  return {level.nodeRed, level.nodeGreen, level.nodeBlue, 1.0};
}

// Deep indigo to teal, with large faint polygons drifting across.
Canvas backdrop() {
  Canvas canvas(kWindowWidth, kWindowHeight, CAIRO_FORMAT_RGB24);
  cairo_t* cr = canvas.cr();
  cairo_set_source(
      cr, shading(kWindowWidth, kWindowHeight, 25.0, [](double x, double y) {
            const double t = x / kWindowWidth * 0.6 + y / kWindowHeight * 0.4;
            const double vignette =
                0.12 * std::pow(std::hypot(x / kWindowWidth - 0.5,
                                           y / kWindowHeight - 0.5),
                                2.0);
            Colour c = mix(kIndigo, kTeal, t);
            c.r -= vignette, c.g -= vignette, c.b -= vignette;
            return c;
          }).get());
  cairo_paint(cr);
  struct Drift {
    int sides;
    double x, y, extent, angle;
  };
  const Drift drifts[] = {{6, 90, 90, 210, 0.3},
                          {3, 700, 120, 240, -0.2},
                          {5, 720, 520, 260, 0.5},
                          {4, 70, 540, 180, 0.7},
                          {8, 420, 330, 520, 0.1}};
  setSource(cr, kWhite, 0.035);
  for (const Drift& d : drifts) {
    polygonPath(cr, regularPolygon(d.sides, d.x, d.y, d.extent, d.angle));
    cairo_fill(cr);
  }
  return canvas;
}

// Lettering with a blurred drop shadow beneath it.
void letter(const Canvas& canvas, const Mask& text, const Colour& colour) {
  paint(canvas, blurred(text, 3), kShadow, 0.55, 3);
  paint(canvas, text, colour);
}

void centredLine(const Canvas& canvas, const std::string& fontPath, int size,
                 const std::string& text, double baseline,
                 const Colour& colour) {
  const Font font(fontPath, size);
  const Mask mask = makeMask(kWindowWidth, kWindowHeight);
  font.drawCentred(mask.cr(), text, kWindowWidth * 0.5, baseline);
  letter(canvas, mask, colour);
}

// The call to act, in a rounded frame near the bottom of the screen.
void clickPrompt(const Canvas& canvas, const FontPaths& fonts,
                 const std::string& text) {
  constexpr int size = 30;
  constexpr double baseline = 548.0;
  const Font font(fonts.regular, size);
  const double half = font.width(text) * 0.5 + 34.0;
  const double top = baseline - size - 8.0, bottom = baseline + 17.0;
  cairo_t* cr = canvas.cr();
  roundedBoxPath(cr, kWindowWidth * 0.5 - half, top, kWindowWidth * 0.5 + half,
                 bottom, (bottom - top) * 0.5);
  setSource(cr, kWhite, 0.10);
  cairo_fill_preserve(cr);
  setSource(cr, kWhite, 0.75);
  cairo_set_line_width(cr, 2.4);
  cairo_stroke(cr);
  const Mask mask = makeMask(kWindowWidth, kWindowHeight);
  font.drawCentred(mask.cr(), text, kWindowWidth * 0.5, baseline);
  letter(canvas, mask, kWhite);
}

// The figure that trace() outlines, filled into a mask of its own, so that
// it can cast a shadow.
template <typename Trace>
Mask figureMask(const Canvas& canvas, Trace trace) {
  Mask mask = makeMask(canvas.width(), canvas.height());
  trace(mask.cr());
  cairo_fill(mask.cr());
  return mask;
}

// A node as the board shows it: a bead in the level's colour with a white
// rim.
void node(const Canvas& canvas, double x, double y, double radius,
          const Colour& colour) {
  const auto disc = [&](cairo_t* cr) { circlePath(cr, x, y, radius); };
  paint(canvas, blurred(figureMask(canvas, disc), 4), kShadow, 0.5, 4);
  cairo_t* cr = canvas.cr();
  disc(cr);
  const Stops bead = sampledStops(
      8, [&](double r) { return mix(colour, kShadow, 0.3 * r * r * r); });
  cairo_set_source(cr, radialGradient(x, y, 0, radius, bead).get());
  cairo_fill(cr);
  circlePath(cr, x, y, radius - 2.0);
  setSource(cr, kWhite);
  cairo_set_line_width(cr, 4.0);
  cairo_stroke(cr);
}

// An arrow from one point to another, shortened to leave the nodes clear.
void link(const Canvas& canvas, double x0, double y0, double x1, double y1,
          double clearance) {
  const double length = std::hypot(x1 - x0, y1 - y0);
  const double ux = (x1 - x0) / length, uy = (y1 - y0) / length;
  const double from = clearance, to = length - clearance;
  const double shaft = 3.0, head = 9.0, headLength = 16.0;
  // Corners along the link (a) and across it (b), turned into pixels.
  auto at = [&](double a, double b) {
    return Point{x0 + ux * a - uy * b, y0 + uy * a + ux * b};
  };
  polygonPath(canvas.cr(),
              {at(from, -shaft), at(to - headLength, -shaft),
               at(to - headLength, -head), at(to, 0), at(to - headLength, head),
               at(to - headLength, shaft), at(from, shaft)});
  setSource(canvas.cr(), kWhite, 0.85);
  cairo_fill(canvas.cr());
}

// A shape token in its hue with a light rim.
void shape(const Canvas& canvas, int sides, double x, double y, double extent,
           double hue) {
  const auto body = [&](cairo_t* cr) {
    polygonPath(cr, regularPolygon(sides, x, y, extent));
  };
  paint(canvas, blurred(figureMask(canvas, body), 5), kShadow, 0.45, 5);
  cairo_t* cr = canvas.cr();
  const Colour colour = fromHsv(hue, 0.85, 1.0);
  body(cr);
  setSource(cr, colour);
  cairo_fill_preserve(cr);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  shadeByDepth(cr, mix(colour, kWhite, 0.55), 7,
               [](double depth) { return 1.0 - depth / 7.0; });
  cairo_restore(cr);
  cairo_new_path(cr);
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
    node(canvas, chain[k].x, chain[k].y, 20.0f, levelColour(k));

  clickPrompt(canvas, fonts, "click to start");
  return canvas;
}

namespace {

// How to play, step by step, each step a node in a level colour and its
// lines wrapped in the font's size.
struct Steps {
  std::vector<std::string> texts;
  float fontPixels;
  float lineHeight;
  float gap;  // between steps
};

Canvas instructionsWith(const FontPaths& fonts, const Steps& steps) {
  Canvas canvas = backdrop();
  centredLine(canvas, fonts.bold, 54, "How to play", 92.0f, kWhite);
  constexpr float left = 128.0f, textWidth = 590.0f;
  const Font font(fonts.regular, steps.fontPixels);
  const Mask text = makeMask(kWindowWidth, kWindowHeight);
  float baseline = 162.0f;
  for (std::size_t i = 0; i < steps.texts.size(); ++i) {
    node(canvas, left - 28.0f, baseline - 8.0f, 9.0f,
         levelColour(static_cast<int>(i)));
    for (const std::string& line : font.wrap(steps.texts[i], textWidth)) {
      font.draw(text.cr(), line, left, baseline);
      baseline += steps.lineHeight;
    }
    baseline += steps.gap;
  }
  letter(canvas, text, kWhite);
  clickPrompt(canvas, fonts, "click to continue");
  return canvas;
}

// The classic game's steps, the last one its own.
Steps classicSteps(const std::string& lastStep) {
  return {{"Click a node to select it, then click a neighbouring node to link "
           "the two.",
           "Click the selected node again to remove its link.",
           "Build a chain from the source on the left to the sink on the "
           "right. Every node on the way changes the shape's size, corners or "
           "colour.",
           "The shape that reaches the sink must match the target shape.",
           lastStep},
          24.0f,
          33.0f,
          16.0f};
}

// The closing screen, with a sentence under its heading when one is given.
Canvas gameOverWith(const FontPaths& fonts, const std::string& sentence) {
  Canvas canvas = backdrop();
  centredLine(canvas, fonts.bold, 100, "Well done!", 220.0f, kWhite);
  if (!sentence.empty())
    centredLine(canvas, fonts.regular, 32, sentence, 282.0f, kSoftText);
  // One of every shape, 3 to 8 corners, in a rainbow.
  for (int k = 0; k < 6; ++k)
    shape(canvas, k + 3, 400.0f + (k - 2.5f) * 108.0f, 395.0f, 72.0f,
          k * 58.0f);
  clickPrompt(canvas, fonts, "click to play again");
  return canvas;
}

}  // namespace

Canvas instructionsPicture(const FontPaths& fonts) {
  return instructionsWith(fonts, classicSteps("Press T to test your chain."));
}

Canvas guidedInstructionsPicture(const FontPaths& fonts) {
  // The limits and the trace's marks as well: a hard level turns on them.
  return instructionsWith(
      fonts,
      {{"Click a node, then a neighbour to link them; click the selected "
        "node (two rings) again to unlink it. A red ring: a click there "
        "does nothing.",
        "Link the source (left) to the sink (right). Each node changes the "
        "shape's size, corners and hue (degrees); the result must match the "
        "target.",
        "Limits: " + limitsText() +
            ". A change past a limit stops at it: size 3 and -4 makes 2, as "
            "-1 does.",
        "Beside each node of your chain, in its own square of the grid, a "
        "label shows the shape leaving it: s size, c corners, h hue. A red "
        "frame: that number hit a limit there.",
        "Keys: arrows move the focus (square corners), Enter or Space "
        "clicks there, Esc drops; d reads the level, r clear, u undo, "
        "Shift+U redo, h hint, ? or F1 this page."},
       18.0f,
       23.0f,
       9.0f});
}

Canvas gameOverPicture(const FontPaths& fonts) {
  return gameOverWith(fonts, "All six levels solved.");
}

Canvas guidedGameOverPicture(const FontPaths& fonts) {
  return gameOverWith(fonts, "");
}

Canvas iconPicture(int pixels) {
  // Drawn large on a screen-sized canvas with the same figures as the
  // title, then cut out and shrunk, which also smooths its edges.
  constexpr int side = 512;
  const int shrink = side / pixels;
  constexpr double left = (kWindowWidth - side) / 2.0,
                   top = (kWindowHeight - side) / 2.0;
  const Canvas large(kWindowWidth, kWindowHeight, CAIRO_FORMAT_ARGB32);
  cairo_t* cr = large.cr();
  roundedBoxPath(cr, left + 8, top + 8, left + side - 8, top + side - 8, 96);
  cairo_set_source(cr, linearGradient(left, top, left + side, top + side,
                                      {{0.0, kIndigo}, {1.0, kTeal}})
                           .get());
  cairo_fill(cr);
  const double middle = kWindowHeight / 2.0;
  shape(large, 3, left + 112, middle, 150, 200);
  shape(large, 6, left + side - 112, middle, 150, 320);
  link(large, left + 112, middle, kWindowWidth / 2.0, middle, 62);
  link(large, kWindowWidth / 2.0, middle, left + side - 112, middle, 62);
  node(large, kWindowWidth / 2.0, middle, 44, levelColour(0));

  Canvas icon(pixels, pixels, CAIRO_FORMAT_ARGB32);
  // Premultiplied averaging, so clear pixels lend no colour.
  cairo_scale(icon.cr(), 1.0 / shrink, 1.0 / shrink);
  cairo_set_source_surface(icon.cr(), large.surface.get(), -left, -top);
  cairo_pattern_set_filter(cairo_get_source(icon.cr()), CAIRO_FILTER_GOOD);
  cairo_paint(icon.cr());
  return icon;
}
