// Canvas and coverage masks: cairo image surfaces the generator paints its
// pictures on, and the few things cairo does not do itself.
#pragma once

#include <cairo.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

struct Colour {
  double r = 0.0;
  double g = 0.0;
  double b = 0.0;
  double a = 1.0;  // straight, not premultiplied
};

Colour mix(const Colour& from, const Colour& to, double t);
// Hue in degrees, saturation and value 0 to 1; opaque.
Colour fromHsv(double hue, double saturation, double value);
void setSource(cairo_t* cr, const Colour& colour, double opacity = 1.0);

// Owns one cairo object and hands it back to cairo with destroy.
template <typename Object, void (*destroy)(Object*)>
struct Release {
  void operator()(Object* object) const { destroy(object); }
};
template <typename Object, void (*destroy)(Object*)>
using Owned = std::unique_ptr<Object, Release<Object, destroy>>;
// cairo_set_source keeps its own reference, so a pattern made for one
// cairo_set_source call may go when the call returns.
using Pattern = Owned<cairo_pattern_t, cairo_pattern_destroy>;

// A gradient's colour stops: offsets 0 to 1 in order, with their colours.
using Stops = std::vector<std::pair<double, Colour>>;
// steps + 1 stops, evenly spaced, of colourAt(offset).
Stops sampledStops(int steps, const std::function<Colour(double)>& colourAt);
Pattern linearGradient(double x0, double y0, double x1, double y1,
                       const Stops& stops);
// Around (cx, cy), from radius r0 (offset 0) to r1 (offset 1).
Pattern radialGradient(double cx, double cy, double r0, double r1,
                       const Stops& stops);
// Colour(x, y) over width by height pixels, sampled at the corners of
// square patches step pixels wide and blended smoothly across each.
Pattern shading(int width, int height, double step,
                const std::function<Colour(double x, double y)>& colour);

// A cairo surface with its drawing context, transparent or black at first.
// Opaque canvases are RGB, the others premultiplied ARGB.
struct Canvas {
  Owned<cairo_surface_t, cairo_surface_destroy> surface;
  Owned<cairo_t, cairo_destroy> context;

  Canvas(int width, int height, cairo_format_t format);
  cairo_t* cr() const { return context.get(); }
  int width() const { return cairo_image_surface_get_width(surface.get()); }
  int height() const { return cairo_image_surface_get_height(surface.get()); }
};

// How much of each pixel a figure covers: an 8-bit alpha canvas, on which
// drawing with any opaque source adds coverage.
using Mask = Canvas;
Mask makeMask(int width, int height);
// Coverage 0 to 1 of pixel (x, y) of a mask, x right, y down.
double coverage(const Mask& mask, int x, int y);

// A Gaussian-like blur: three box passes of the given radius.
Mask blurred(const Mask& mask, int radius);
// Lays colour over the canvas where the mask covers it, with the mask moved
// down by dy pixels.
void paint(const Canvas& canvas, const Mask& mask, const Colour& colour,
           double opacity = 1.0, double dy = 0.0);
// Strokes the current path, keeping it, in bands one pixel wide so that a
// pixel depth pixels from the path's outline (inside or out) is covered by
// opacity(depth), out to bands pixels. opacity must fall as depth grows.
void shadeByDepth(cairo_t* cr, const Colour& colour, int bands,
                  const std::function<double(double depth)>& opacity);

struct Point {
  double x;
  double y;
};

// The corners of a regular polygon with this many sides, resting on a flat
// bottom edge before it is turned by angle radians about its centre, scaled
// and centred so its bounding box just fits a square of side extent around
// (cx, cy).
std::vector<Point> regularPolygon(int sides, double cx, double cy,
                                  double extent, double angle = 0.0);
// Starts a new path around a circle.
void circlePath(cairo_t* cr, double cx, double cy, double radius);
// Starts a new closed path through the corners.
void polygonPath(cairo_t* cr, const std::vector<Point>& corners);
// Starts a new path around a rectangle with rounded corners.
void roundedBoxPath(cairo_t* cr, double left, double top, double right,
                    double bottom, double cornerRadius);
