// The board's sprite pictures, drawn with cairo.
#include "tools/images/sprite_pictures.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
const Colour kWhite{1.0, 1.0, 1.0, 1.0};

double smoothstep(double edge0, double edge1, double x) {
  const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
  return t * t * (3.0 - 2.0 * t);
}

Colour grey(double value) { return {value, value, value, 1.0}; }

Canvas sprite(int size) { return Canvas(size, size, CAIRO_FORMAT_ARGB32); }

void circlePath(cairo_t* cr, double centre, double radius) {
  cairo_new_path(cr);
  cairo_arc(cr, centre, centre, radius, 0.0, 2.0 * kPi);
}

// A radial gradient around the sprite's centre from radius 0 to outer, its
// colour sampled from colourAt(r) at steps stops.
cairo_pattern_t* radialGradient(double centre, double outer, int steps,
                                Colour (*colourAt)(double r)) {
  cairo_pattern_t* gradient =
      cairo_pattern_create_radial(centre, centre, 0.0, centre, centre, outer);
  for (int k = 0; k <= steps; ++k)
    addStop(gradient, double(k) / steps, colourAt(double(k) / steps));
  return gradient;
}

void fillWith(cairo_t* cr, cairo_pattern_t* pattern) {
  cairo_set_source(cr, pattern);
  cairo_fill(cr);
  cairo_pattern_destroy(pattern);
}

}  // namespace

Canvas shapePicture(int sides) {
  const int size = kShapePixels;
  const double centre = size * 0.5;
  Canvas canvas = sprite(size);
  cairo_t* cr = canvas.cr();
  // Two pixels of margin keep the anti-aliased edge inside the square.
  polygonPath(cr, regularPolygon(sides, centre, centre, size - 4));
  // Light falling from the top, and a rim a shade darker.
  cairo_pattern_t* light = cairo_pattern_create_linear(0, 0, 0, size);
  addStop(light, 0.66, kWhite);
  addStop(light, 1.0, grey(0.98));
  cairo_set_source(cr, light);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(light);
  cairo_clip_preserve(cr);
  shadeByDepth(cr, grey(0.0), 9, [](double depth) {
    return 0.26 * (1.0 - smoothstep(1.0, 9.0, depth));
  });
  return canvas;
}

Canvas nodePicture() {
  const int size = kNodePixels;
  const double centre = size * 0.5, radius = centre - 2.0;
  Canvas canvas = sprite(size);
  circlePath(canvas.cr(), centre, radius);
  // Rounded like a bead: full white in the middle, where the level colour
  // must read true, falling off towards the edge.
  fillWith(canvas.cr(), radialGradient(centre, radius, 8, [](double r) {
             return grey(1.0 - 0.28 * r * r * r);
           }));
  return canvas;
}

Canvas nodeOutlinePicture() {
  const int size = kNodePixels;
  const double centre = size * 0.5, outer = centre - 1.5, width = 5.5;
  Canvas canvas = sprite(size);
  cairo_t* cr = canvas.cr();
  // The dark outer edge lets the white ring read on a light field.
  cairo_pattern_t* edge =
      cairo_pattern_create_radial(centre, centre, 0.0, centre, centre, outer);
  addStop(edge, (outer - 2.2) / outer, kWhite);
  addStop(edge, (outer - 1.0) / outer, grey(0.28));
  circlePath(cr, centre, outer - width * 0.5);
  cairo_set_line_width(cr, width);
  cairo_set_source(cr, edge);
  cairo_stroke(cr);
  cairo_pattern_destroy(edge);
  return canvas;
}

Canvas selectorPicture() {
  const int size = kSelectorPixels;
  const double centre = size * 0.5;
  const double radius = 23.0;  // clear of the node, which ends at 16
  const double width = 3.5, glow = 4.25;
  Canvas canvas = sprite(size);
  cairo_t* cr = canvas.cr();
  // A dark glow fading out on both sides of the ring.
  const Colour dark = grey(0.12);
  cairo_pattern_t* shade = cairo_pattern_create_radial(
      centre, centre, radius - glow, centre, centre, radius + glow);
  addStop(shade, 0.0, dark, 0.0);
  addStop(shade, 0.5, dark, 0.45 * 0.85);
  addStop(shade, 1.0, dark, 0.0);
  circlePath(cr, centre, radius + glow);
  fillWith(cr, shade);
  circlePath(cr, centre, radius);
  cairo_set_line_width(cr, width);
  setSource(cr, kWhite);
  cairo_stroke(cr);
  return canvas;
}

Canvas linkPicture() {
  const int size = kLinkPixels;
  const double mid = size * 0.5;
  const double tail = 6.0, neck = 50.0, tip = size - 5.0;
  const double shaft = 5.0, head = 15.0;  // half heights
  Canvas canvas = sprite(size);
  cairo_t* cr = canvas.cr();
  polygonPath(cr, {{tail, mid - shaft},
                   {neck, mid - shaft},
                   {neck, mid - head},
                   {tip, mid},
                   {neck, mid + head},
                   {neck, mid + shaft},
                   {tail, mid + shaft}});
  // A light halo, solid to half a pixel out and gone three pixels further.
  cairo_push_group(cr);
  setSource(cr, kWhite);
  cairo_fill_preserve(cr);
  shadeByDepth(cr, kWhite, 4, [](double depth) {
    return std::clamp((3.5 - depth) / 3.0, 0.0, 1.0);
  });
  cairo_pop_group_to_source(cr);
  cairo_paint_with_alpha(cr, 0.85);
  cairo_pattern_t* body = cairo_pattern_create_linear(tail, 0, tip, 0);
  addStop(body, 0.0, {0.32, 0.38, 0.48, 1.0});
  addStop(body, 1.0, {0.16, 0.20, 0.28, 1.0});
  fillWith(cr, body);
  return canvas;
}
