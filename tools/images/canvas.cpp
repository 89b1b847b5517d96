// Canvas and coverage masks: cairo surfaces, a box blur, banded shading and
// the paths of the figures the pictures are made of.
#include "tools/images/canvas.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979323846;
}

Colour mix(const Colour& from, const Colour& to, double t) {
  return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t,
          from.b + (to.b - from.b) * t, from.a + (to.a - from.a) * t};
}

Colour fromHsv(double hue, double saturation, double value) {
  const double h = std::fmod(hue, 360.0) / 60.0;
  const double c = value * saturation;
  const double x = c * (1.0 - std::fabs(std::fmod(h, 2.0) - 1.0));
  const double m = value - c;
  const int sector = static_cast<int>(h);
  const double rgb[6][3] = {{c, x, 0}, {x, c, 0}, {0, c, x},
                            {0, x, c}, {x, 0, c}, {c, 0, x}};
  const double* pick = rgb[sector % 6];
  return {pick[0] + m, pick[1] + m, pick[2] + m, 1.0};
}

void setSource(cairo_t* cr, const Colour& colour, double opacity) {
  cairo_set_source_rgba(cr, colour.r, colour.g, colour.b, colour.a * opacity);
}

Stops sampledStops(int steps, const std::function<Colour(double)>& colourAt) {
  Stops stops;
  for (int k = 0; k <= steps; ++k)
    stops.emplace_back(double(k) / steps, colourAt(double(k) / steps));
  return stops;
}

namespace {
Pattern withStops(cairo_pattern_t* gradient, const Stops& stops) {
  for (const auto& [offset, c] : stops)
    cairo_pattern_add_color_stop_rgba(gradient, offset, c.r, c.g, c.b, c.a);
  return Pattern(gradient);
}
}  // namespace

Pattern linearGradient(double x0, double y0, double x1, double y1,
                       const Stops& stops) {
  return withStops(cairo_pattern_create_linear(x0, y0, x1, y1), stops);
}

Pattern radialGradient(double cx, double cy, double r0, double r1,
                       const Stops& stops) {
  return withStops(cairo_pattern_create_radial(cx, cy, r0, cx, cy, r1), stops);
}

Pattern shading(int width, int height, double step,
                const std::function<Colour(double x, double y)>& colour) {
  Pattern mesh(cairo_pattern_create_mesh());
  for (double y = 0.0; y < height; y += step) {
    for (double x = 0.0; x < width; x += step) {
      const Point corners[4] = {
          {x, y}, {x + step, y}, {x + step, y + step}, {x, y + step}};
      cairo_mesh_pattern_begin_patch(mesh.get());
      for (int k = 0; k < 4; ++k) {
        cairo_mesh_pattern_line_to(mesh.get(), corners[k].x, corners[k].y);
        const Colour c = colour(corners[k].x, corners[k].y);
        cairo_mesh_pattern_set_corner_color_rgba(mesh.get(), k, c.r, c.g, c.b,
                                                 c.a);
      }
      cairo_mesh_pattern_end_patch(mesh.get());
    }
  }
  return mesh;
}

Canvas::Canvas(int width, int height, cairo_format_t format)
    : surface(cairo_image_surface_create(format, width, height)),
      context(cairo_create(surface.get())) {}

Mask makeMask(int width, int height) {
  return Canvas(width, height, CAIRO_FORMAT_A8);
}

double coverage(const Mask& mask, int x, int y) {
  cairo_surface_t* s = mask.surface.get();
  const unsigned char* row =
      cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s);
  return row[x] / 255.0;
}

namespace {
// One box pass along rows (step 1) or columns (step stride), edges clamped.
void boxPass(const std::vector<float>& in, std::vector<float>& out, int length,
             int lines, int step, int lineStep, int radius) {
  const float scale = 1.0f / static_cast<float>(2 * radius + 1);
  for (int line = 0; line < lines; ++line) {
    const float* source = in.data() + line * lineStep;
    float* target = out.data() + line * lineStep;
    auto sample = [&](int i) {
      return source[std::clamp(i, 0, length - 1) * step];
    };
    float sum = 0.0f;
    for (int i = -radius; i <= radius; ++i) sum += sample(i);
    for (int i = 0; i < length; ++i) {
      target[i * step] = sum * scale;
      sum += sample(i + radius + 1) - sample(i - radius);
    }
  }
}
}  // namespace

Mask blurred(const Mask& mask, int radius) {
  const int width = mask.width(), height = mask.height();
  std::vector<float> values(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      values[y * width + x] = coverage(mask, x, y);
  std::vector<float> scratch(values.size());
  for (int pass = 0; pass < 3; ++pass) {
    boxPass(values, scratch, width, height, 1, width, radius);
    boxPass(scratch, values, height, width, width, 1, radius);
  }
  Mask result = makeMask(width, height);
  cairo_surface_t* s = result.surface.get();
  cairo_surface_flush(s);
  unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      data[y * stride + x] =
          static_cast<unsigned char>(std::lround(values[y * width + x] * 255));
  cairo_surface_mark_dirty(s);
  return result;
}

void paint(const Canvas& canvas, const Mask& mask, const Colour& colour,
           double opacity, double dy) {
  setSource(canvas.cr(), colour, opacity);
  cairo_mask_surface(canvas.cr(), mask.surface.get(), 0.0, dy);
}

void shadeByDepth(cairo_t* cr, const Colour& colour, int bands,
                  const std::function<double(double depth)>& opacity) {
  // Band k covers depths below k, so a pixel in band k lies under bands k
  // to the last: each band adds what the deeper ones leave short.
  cairo_save(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  for (int band = bands; band >= 1; --band) {
    const double deeper = band < bands ? opacity(band + 0.5) : 0.0;
    setSource(cr, colour, 1.0 - (1.0 - opacity(band - 0.5)) / (1.0 - deeper));
    cairo_set_line_width(cr, 2.0 * band);
    cairo_stroke_preserve(cr);
  }
  cairo_restore(cr);
}

std::vector<Point> regularPolygon(int sides, double cx, double cy,
                                  double extent, double angle) {
  // Unit corners with y up; the first edge lies flat at the bottom.
  std::vector<Point> unit;
  double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
  for (int k = 0; k < sides; ++k) {
    const double a = -kPi / 2 + kPi / sides + 2 * kPi * k / sides + angle;
    const Point p{std::cos(a), std::sin(a)};
    unit.push_back(p);
    minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
    minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
  }
  const double scale = extent / std::max(maxX - minX, maxY - minY);
  const double midX = (minX + maxX) * 0.5, midY = (minY + maxY) * 0.5;
  std::vector<Point> corners;
  for (const Point& p : unit)  // pixel y grows downward
    corners.push_back({cx + (p.x - midX) * scale, cy - (p.y - midY) * scale});
  return corners;
}

void circlePath(cairo_t* cr, double cx, double cy, double radius) {
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, radius, 0.0, 2.0 * kPi);
}

void polygonPath(cairo_t* cr, const std::vector<Point>& corners) {
  cairo_new_path(cr);
  for (const Point& p : corners) cairo_line_to(cr, p.x, p.y);
  cairo_close_path(cr);
}

void roundedBoxPath(cairo_t* cr, double left, double top, double right,
                    double bottom, double cornerRadius) {
  const double r = cornerRadius;
  cairo_new_path(cr);
  cairo_arc(cr, right - r, top + r, r, -kPi / 2, 0);
  cairo_arc(cr, right - r, bottom - r, r, 0, kPi / 2);
  cairo_arc(cr, left + r, bottom - r, r, kPi / 2, kPi);
  cairo_arc(cr, left + r, top + r, r, kPi, 3 * kPi / 2);
  cairo_close_path(cr);
}
