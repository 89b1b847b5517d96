// The board's sprite pictures, drawn from distance fields.
#include "tools/images/sprite_pictures.h"

#include <algorithm>
#include <cmath>

#include "tools/images/distance_fields.h"

namespace {

const Colour kClear{1.0f, 1.0f, 1.0f, 0.0f};
const Colour kWhite{1.0f, 1.0f, 1.0f, 1.0f};

float smoothstep(float edge0, float edge1, float x) {
  const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
  return t * t * (3.0f - 2.0f * t);
}

Colour grey(float value, float alpha = 1.0f) {
  return {value, value, value, alpha};
}

}  // namespace

Canvas shapePicture(int sides) {
  const int size = kShapePixels;
  const float centre = size * 0.5f;
  Canvas canvas(size, size, kClear);
  // Two pixels of margin keep the anti-aliased edge inside the square.
  const Field body =
      polygonField(regularPolygon(sides, centre, centre, size - 4));
  paint(canvas, fieldMask(size, size, body), [&](float x, float y) {
    const float inside = -body(x, y);
    // A rim a shade darker, and light falling from the top.
    const float rim = 0.74f + 0.26f * smoothstep(1.0f, 9.0f, inside);
    const float light = 1.0f - 0.06f * (y / size);
    return grey(std::min(1.0f, rim * light + 0.04f));
  });
  return canvas;
}

Canvas nodePicture() {
  const int size = kNodePixels;
  const float centre = size * 0.5f;
  const float radius = centre - 2.0f;
  Canvas canvas(size, size, kClear);
  paint(canvas, fieldMask(size, size, discField(centre, centre, radius)),
        [&](float x, float y) {
          const float r = std::hypot(x - centre, y - centre) / radius;
          // Rounded like a bead: full white in the middle, where the level
          // colour must read true, falling off towards the edge.
          return grey(1.0f - 0.28f * r * r * r);
        });
  return canvas;
}

Canvas nodeOutlinePicture() {
  const int size = kNodePixels;
  const float centre = size * 0.5f;
  const float outer = centre - 1.5f;
  const float width = 5.5f;
  Canvas canvas(size, size, kClear);
  paint(canvas,
        fieldMask(size, size,
                  ringField(centre, centre, outer - width * 0.5f, width)),
        [&](float x, float y) {
          const float r = std::hypot(x - centre, y - centre);
          // The dark outer edge lets the white ring read on a light field.
          return mix(kWhite, grey(0.28f),
                     smoothstep(outer - 2.2f, outer - 1.0f, r));
        });
  return canvas;
}

Canvas selectorPicture() {
  const int size = kSelectorPixels;
  const float centre = size * 0.5f;
  const float radius = 23.0f;  // clear of the node, which ends at 16
  Canvas canvas(size, size, kClear);
  const Field ring = ringField(centre, centre, radius, 3.5f);
  paint(canvas, fieldMask(size, size, ring, 5.0f), grey(0.12f), 0.45f);
  paint(canvas, fieldMask(size, size, ring), kWhite);
  return canvas;
}

Canvas linkPicture() {
  const int size = kLinkPixels;
  const float mid = size * 0.5f;
  const float tail = 6.0f, neck = 50.0f, tip = size - 5.0f;
  const float shaft = 5.0f, head = 15.0f;  // half heights
  const Field arrow = polygonField({{tail, mid - shaft},
                                    {neck, mid - shaft},
                                    {neck, mid - head},
                                    {tip, mid},
                                    {neck, mid + head},
                                    {neck, mid + shaft},
                                    {tail, mid + shaft}});
  Canvas canvas(size, size, kClear);
  const Field halo = [&arrow](float x, float y) { return arrow(x, y) - 2.0f; };
  paint(canvas, fieldMask(size, size, halo, 3.0f), kWhite, 0.85f);
  const Colour tailColour{0.32f, 0.38f, 0.48f, 1.0f};
  const Colour tipColour{0.16f, 0.20f, 0.28f, 1.0f};
  paint(canvas, fieldMask(size, size, arrow), [&](float x, float) {
    return mix(tailColour, tipColour, (x - tail) / (tip - tail));
  });
  return canvas;
}
