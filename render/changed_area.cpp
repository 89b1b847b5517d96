// Changed area: matching two lists of sprite draws and boxing the rest.
#include "render/changed_area.h"

#include <algorithm>
#include <cmath>

#include "render/camera.h"

namespace {

// Room for the rounding between a sprite's corners and its pixels.
constexpr double kSparePixels = 1.0;
// Half the diagonal of the unit square: the reach of a turned sprite.
constexpr double kTurnedReach = 0.70711;

// A window coordinate rounded outwards and held inside [0, limit].
int clampedPixel(double value, int limit, bool up) {
  const double rounded = up ? std::ceil(value) : std::floor(value);
  return static_cast<int>(std::clamp(rounded, 0.0, static_cast<double>(limit)));
}

}  // namespace

bool PixelBox::meets(const PixelBox& other) const {
  return left < other.right && other.left < right && bottom < other.top &&
         other.bottom < top;
}

void PixelBox::add(const PixelBox& other) {
  if (other.empty()) return;
  if (empty()) {
    *this = other;
    return;
  }
  left = std::min(left, other.left);
  bottom = std::min(bottom, other.bottom);
  right = std::max(right, other.right);
  top = std::max(top, other.top);
}

PixelBox spriteBox(const SpriteDraw& sprite, const Camera& view) {
  const double reach = std::fabs(sprite.scale) *
                           (sprite.turned ? kTurnedReach : 0.5) *
                           view.pixelsPerUnit() +
                       kSparePixels;
  const double x = view.windowX(sprite.x);
  const double y = view.windowY(sprite.y);
  if (!std::isfinite(reach) || !std::isfinite(x) || !std::isfinite(y))
    return {0, 0, view.width, view.height};
  return {clampedPixel(x - reach, view.width, false),
          clampedPixel(y - reach, view.height, false),
          clampedPixel(x + reach, view.width, true),
          clampedPixel(y + reach, view.height, true)};
}

std::optional<PixelBox> changedArea(const std::vector<SpriteDraw>& before,
                                    const std::vector<SpriteDraw>& now,
                                    const Camera& view) {
  // Each draw of now takes the first equal draw of before not yet taken;
  // the draws taken must keep their order.
  std::vector<bool> taken(before.size(), false);
  PixelBox area;
  std::size_t lastTaken = 0;
  bool anyTaken = false;
  for (const SpriteDraw& draw : now) {
    std::size_t i = 0;
    while (i < before.size() && (taken[i] || !(before[i] == draw))) ++i;
    if (i == before.size()) {
      area.add(spriteBox(draw, view));
      continue;
    }
    if (anyTaken && i < lastTaken) return std::nullopt;
    taken[i] = true;
    lastTaken = i;
    anyTaken = true;
  }
  for (std::size_t i = 0; i < before.size(); ++i)
    if (!taken[i]) area.add(spriteBox(before[i], view));
  return area;
}
