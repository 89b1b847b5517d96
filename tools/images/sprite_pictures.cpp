// The board's sprite pictures, drawn with cairo.
#include "tools/images/sprite_pictures.h"

#include <algorithm>

namespace {

const Colour kWhite{1.0, 1.0, 1.0, 1.0};

double smoothstep(double edge0, double edge1, double x) {
  const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
  return t * t * (3.0 - 2.0 * t);
}

Colour grey(double value) { return {value, value, value, 1.0}; }

Canvas sprite(int size) { return Canvas(size, size, CAIRO_FORMAT_ARGB32); }

}  // namespace

Canvas shapePicture(int sides) {
  const int size = kShapePixels;
  const double centre = size * 0.5;
  Canvas canvas = sprite(size);
  cairo_t* cr = canvas.cr();
  // Two pixels of margin keep the anti-aliased edge inside the square.
  polygonPath(cr, regularPolygon(sides, centre, centre, size - 4));
  // Light falling from the top, and a rim a shade darker.
  cairo_set_source(
      cr,
      linearGradient(0, 0, 0, size, {{0.66, kWhite}, {1.0, grey(0.98)}}).get());
  cairo_fill_preserve(cr);
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
  cairo_t* cr = canvas.cr();
  circlePath(cr, centre, centre, radius);
  // Rounded like a bead: full white in the middle, where the level colour
  // must read true, falling off towards the edge.
  const Stops bead =
      sampledStops(8, [](double r) { return grey(1.0 - 0.28 * r * r * r); });
  cairo_set_source(cr, radialGradient(centre, centre, 0, radius, bead).get());
  cairo_fill(cr);
  return canvas;
}

Canvas nodeOutlinePicture() {
  const int size = kNodePixels;
  const double centre = size * 0.5, outer = centre - 1.5, width = 5.5;
  Canvas canvas = sprite(size);
  cairo_t* cr = canvas.cr();
  circlePath(cr, centre, centre, outer - width * 0.5);
  cairo_set_line_width(cr, width);
  // The dark outer edge lets the white ring read on a light field.
  const Stops edge = {{(outer - 2.2) / outer, kWhite},
                      {(outer - 1.0) / outer, grey(0.28)}};
  cairo_set_source(cr, radialGradient(centre, centre, 0, outer, edge).get());
  cairo_stroke(cr);
  return canvas;
}

Canvas selectorPicture() {
  const int size = kSelectorPixels;
  const double centre = size * 0.5;
  const double radius = 23.0;  // clear of the node, which ends at 16
  const double glow = 4.25;
  Canvas canvas = sprite(size);
  cairo_t* cr = canvas.cr();
  // A dark glow fading out on both sides of the ring.
  const Colour clear{0.12, 0.12, 0.12, 0.0}, dark{0.12, 0.12, 0.12, 0.38};
  circlePath(cr, centre, centre, radius + glow);
  cairo_set_source(cr,
                   radialGradient(centre, centre, radius - glow, radius + glow,
                                  {{0.0, clear}, {0.5, dark}, {1.0, clear}})
                       .get());
  cairo_fill(cr);
  circlePath(cr, centre, centre, radius);
  cairo_set_line_width(cr, 3.5);
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
  cairo_set_source(cr, linearGradient(tail, 0, tip, 0,
                                      {{0.0, {0.32, 0.38, 0.48, 1.0}},
                                       {1.0, {0.16, 0.20, 0.28, 1.0}}})
                           .get());
  cairo_fill(cr);
  return canvas;
}
