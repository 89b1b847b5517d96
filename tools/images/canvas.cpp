// Canvas and coverage masks: anti-aliasing, blur and compositing.
#include "tools/images/canvas.h"

#include <algorithm>
#include <cmath>

Colour mix(const Colour& from, const Colour& to, float t) {
  return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t,
          from.b + (to.b - from.b) * t, from.a + (to.a - from.a) * t};
}

Colour fromHsv(float hue, float saturation, float value) {
  const float h = std::fmod(hue, 360.0f) / 60.0f;
  const float c = value * saturation;
  const float x = c * (1.0f - std::fabs(std::fmod(h, 2.0f) - 1.0f));
  const float m = value - c;
  const int sector = static_cast<int>(h);
  const float rgb[6][3] = {{c, x, 0}, {x, c, 0}, {0, c, x},
                           {0, x, c}, {x, 0, c}, {c, 0, x}};
  const float* pick = rgb[sector % 6];
  return {pick[0] + m, pick[1] + m, pick[2] + m, 1.0f};
}

Canvas::Canvas(int w, int h, const Colour& fill)
    : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}

Mask::Mask(int w, int h)
    : width(w), height(h), coverage(static_cast<std::size_t>(w) * h, 0.0f) {}

Mask fieldMask(int width, int height, const Field& field, float softness) {
  Mask mask(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const float distance = field(x + 0.5f, y + 0.5f);
      mask.at(x, y) = std::clamp(0.5f - distance / softness, 0.0f, 1.0f);
    }
  }
  return mask;
}

void addMask(Mask& into, const Mask& other) {
  for (std::size_t i = 0; i < into.coverage.size(); ++i)
    into.coverage[i] = std::min(1.0f, into.coverage[i] + other.coverage[i]);
}

namespace {
// One box pass along rows (step 1) or columns (step width), edges clamped.
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
  Mask result = mask;
  std::vector<float> scratch(mask.coverage.size());
  for (int pass = 0; pass < 3; ++pass) {
    boxPass(result.coverage, scratch, mask.width, mask.height, 1, mask.width,
            radius);
    boxPass(scratch, result.coverage, mask.height, mask.width, mask.width, 1,
            radius);
  }
  return result;
}

void paint(Canvas& canvas, const Mask& mask, const Shader& shader,
           float opacity, int dx, int dy) {
  for (int y = 0; y < canvas.height; ++y) {
    const int my = y - dy;
    if (my < 0 || my >= mask.height) continue;
    for (int x = 0; x < canvas.width; ++x) {
      const int mx = x - dx;
      if (mx < 0 || mx >= mask.width) continue;
      const float cover = mask.at(mx, my) * opacity;
      if (cover <= 0.0f) continue;
      const Colour paintColour = shader(x + 0.5f, y + 0.5f);
      const float alpha = cover * paintColour.a;
      Colour& under = canvas.at(x, y);
      const float outAlpha = alpha + under.a * (1.0f - alpha);
      if (outAlpha <= 0.0f) continue;
      const float keep = under.a * (1.0f - alpha);
      auto over = [&](float top, float bottom) {
        return (top * alpha + bottom * keep) / outAlpha;
      };
      under = {over(paintColour.r, under.r), over(paintColour.g, under.g),
               over(paintColour.b, under.b), outAlpha};
    }
  }
}

void paint(Canvas& canvas, const Mask& mask, const Colour& colour,
           float opacity, int dx, int dy) {
  paint(
      canvas, mask, [&colour](float, float) { return colour; }, opacity, dx,
      dy);
}
