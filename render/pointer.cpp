// Pointer mapping from window pixels to the world plane.
#include "render/pointer.h"

#include "render/camera.h"

Pointer& pointer() {
  static Pointer instance;
  return instance;
}

void Pointer::track(double x, double y) {
  const Camera& view = camera();
  if (x < 0) {
    x = 0;
  } else if (x > view.width) {
    x = view.width;
  }
  if (y < 0) {
    y = 0;
  } else if (y > view.height) {
    y = view.height;
  }
  const int halfW = view.width / 2;
  const int halfH = view.height / 2;
  if (halfH == 0) return;  // nothing to scale by; keep the last position

  const float cx = static_cast<float>(x - halfW);
  const float cy = static_cast<float>(y - halfH);
  // One scale for both axes, from the height, as the projection has.
  const double scale = 1.0 / halfH;
  const double halfHeight = view.viewHalfHeight();
  worldX = static_cast<float>(halfHeight * (cx * scale) - view.translationX);
  worldY = static_cast<float>(halfHeight * (-(cy * scale)) - view.translationY);
}
