// Distance fields: exact for discs, rings, polygons and rounded boxes, so
// edges anti-alias evenly at every size.
#include "tools/images/distance_fields.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float kPi = 3.14159265358979f;
}

Field discField(float cx, float cy, float radius) {
  return [=](float x, float y) { return std::hypot(x - cx, y - cy) - radius; };
}

Field ringField(float cx, float cy, float radius, float width) {
  return [=](float x, float y) {
    return std::fabs(std::hypot(x - cx, y - cy) - radius) - width * 0.5f;
  };
}

Field polygonField(std::vector<Point> corners) {
  return [corners = std::move(corners)](float px, float py) {
    float nearest = 1e30f;
    bool inside = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size();
         j = i++) {
      const Point& a = corners[i];
      const Point& b = corners[j];
      const float ex = b.x - a.x, ey = b.y - a.y;
      const float wx = px - a.x, wy = py - a.y;
      const float t =
          std::clamp((wx * ex + wy * ey) / (ex * ex + ey * ey), 0.0f, 1.0f);
      nearest = std::min(nearest, std::hypot(wx - ex * t, wy - ey * t));
      // Even-odd crossing test along a ray towards +x.
      if ((a.y > py) != (b.y > py) && px < a.x + (py - a.y) * ex / ey)
        inside = !inside;
    }
    return inside ? -nearest : nearest;
  };
}

Field roundedBoxField(float left, float top, float right, float bottom,
                      float cornerRadius) {
  const float cx = (left + right) * 0.5f, cy = (top + bottom) * 0.5f;
  const float hx = (right - left) * 0.5f - cornerRadius;
  const float hy = (bottom - top) * 0.5f - cornerRadius;
  return [=](float x, float y) {
    const float qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
    const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return outside + std::min(std::max(qx, qy), 0.0f) - cornerRadius;
  };
}

std::vector<Point> turnedPolygon(int sides, float cx, float cy, float extent,
                                 float angle) {
  // Unit corners with y up; the first edge lies flat at the bottom.
  std::vector<Point> unit;
  float minX = 1e9f, maxX = -1e9f, minY = 1e9f, maxY = -1e9f;
  for (int k = 0; k < sides; ++k) {
    const float a = -kPi / 2 + kPi / sides + 2 * kPi * k / sides + angle;
    const Point p{std::cos(a), std::sin(a)};
    unit.push_back(p);
    minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
    minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
  }
  const float scale = extent / std::max(maxX - minX, maxY - minY);
  const float midX = (minX + maxX) * 0.5f, midY = (minY + maxY) * 0.5f;
  std::vector<Point> corners;
  for (const Point& p : unit)  // pixel y grows downward
    corners.push_back({cx + (p.x - midX) * scale, cy - (p.y - midY) * scale});
  return corners;
}

std::vector<Point> regularPolygon(int sides, float cx, float cy, float extent) {
  return turnedPolygon(sides, cx, cy, extent, 0.0f);
}
