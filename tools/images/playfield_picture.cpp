// The playing field: a light gradient, a dot grid that fades out around
// the play area, faint corner figures and the labels of the three shapes.
#include "tools/images/playfield_picture.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "render/world.h"
#include "tools/images/text.h"

namespace {

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
  const float wx = x / kPixelsPerUnit + kWorldLeft;
  const float wy = kWorldTop - y / kPixelsPerUnit;
  float nearest = 1e9f;
  for (const WorldBox& box : kKeepClear) {
    const float dx = std::max({box.left - wx, 0.0f, wx - box.right});
    const float dy = std::max({box.bottom - wy, 0.0f, wy - box.top});
    nearest = std::min(nearest, std::hypot(dx, dy));
  }
  return nearest;
}

// Dots that fade out near the play area and around the lettering.
void paintGrid(cairo_t* cr, const Mask& lettering) {
  constexpr float spacing = 20.0f;
  const Mask nearLetters = blurred(lettering, 10);
  for (float y = spacing * 0.5f; y < kWindowHeight; y += spacing) {
    for (float x = spacing * 0.5f; x < kWindowWidth; x += spacing) {
      const float open = std::clamp(clearance(x, y) / 4.0f, 0.0f, 1.0f);
      const double clearOfText = std::clamp(
          1.0 - 8.0 * coverage(nearLetters, int(x), int(y)), 0.0, 1.0);
      circlePath(cr, x, y, 1.4);
      setSource(cr, {0.50, 0.58, 0.70, 1.0}, 0.4 * open * clearOfText);
      cairo_fill(cr);
    }
  }
}

void paintCornerFigures(cairo_t* cr) {
  struct Figure {
    int sides;
    double worldX, worldY, extentUnits, angle;
  };
  const Figure figures[] = {{6, -46.0, 71.0, 13.0, 0.2},
                            {3, 46.0, 71.0, 12.0, -0.3},
                            {5, -45.0, 4.0, 12.0, 0.4}};
  const Colour line{0.42, 0.52, 0.66, 1.0};
  cairo_set_line_width(cr, 3.0);
  for (const Figure& f : figures) {
    polygonPath(cr, regularPolygon(f.sides, pixelX(f.worldX), pixelY(f.worldY),
                                   f.extentUnits * kPixelsPerUnit, f.angle));
    setSource(cr, line, 0.06);
    cairo_fill_preserve(cr);
    setSource(cr, line, 0.22);
    cairo_stroke(cr);
  }
}

// A line of help, right-aligned at the field's right edge with its
// baseline at world y.
struct Note {
  std::string text;
  float worldY;
};

// The names of the three shapes beside them, and the note.
Mask lettering(const FontPaths& fonts, const Note& note) {
  Mask mask = makeMask(kWindowWidth, kWindowHeight);
  cairo_t* cr = mask.cr();
  const Font label(fonts.bold, 15);
  label.drawCentred(cr, "START", pixelX(-41.0), pixelY(58.5));
  label.drawCentred(cr, "RESULT", pixelX(41.0), pixelY(58.5));
  label.draw(cr, "TARGET", pixelX(-11.5), pixelY(9.0));
  const Font help(fonts.regular, 16);
  help.draw(cr, note.text, pixelX(48.5) - help.width(note.text),
            pixelY(note.worldY));
  return mask;
}

Canvas fieldPicture(const FontPaths& fonts, const Note& note) {
  Canvas canvas(kWindowWidth, kWindowHeight, CAIRO_FORMAT_RGB24);
  const Colour top{0.955, 0.965, 0.985, 1.0};
  const Colour bottom{0.855, 0.895, 0.940, 1.0};
  const Pattern field =
      shading(kWindowWidth, kWindowHeight, 25.0, [&](double x, double y) {
        // A soft light in the middle of the board.
        const double glow =
            std::exp(-std::pow(std::hypot(x - 400.0, y - 230.0) / 420.0, 2.0));
        return mix(mix(top, bottom, y / kWindowHeight), top, 0.6 * glow);
      });
  cairo_set_source(canvas.cr(), field.get());
  cairo_paint(canvas.cr());
  const Mask text = lettering(fonts, note);
  paintGrid(canvas.cr(), text);
  paintCornerFigures(canvas.cr());
  paint(canvas, text, Colour{0.36, 0.43, 0.54, 1.0});
  return canvas;
}

}  // namespace

Canvas playfieldPicture(const FontPaths& fonts) {
  return fieldPicture(fonts, {"Press T to test your chain", 2.0f});
}

Canvas guidedPlayfieldPicture(const FontPaths& fonts) {
  // The bottom edge holds the game's key list, the top left its status
  // line.
  return fieldPicture(fonts, {"The result updates as you link", 73.0f});
}
