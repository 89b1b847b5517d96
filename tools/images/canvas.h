// Canvas and coverage masks: the generator paints every picture by laying
// anti-aliased coverage masks onto a canvas in a colour.
#pragma once

#include <functional>
#include <vector>

struct Colour {
  float r = 0.0f;
  float g = 0.0f;
  float b = 0.0f;
  float a = 1.0f;  // straight, not premultiplied
};

Colour mix(const Colour& from, const Colour& to, float t);
// Hue in degrees, saturation and value 0 to 1; opaque.
Colour fromHsv(float hue, float saturation, float value);

// Pixels row by row from the top, straight alpha.
struct Canvas {
  int width;
  int height;
  std::vector<Colour> pixels;

  Canvas(int w, int h, const Colour& fill);
  Colour& at(int x, int y) { return pixels[y * width + x]; }
  const Colour& at(int x, int y) const { return pixels[y * width + x]; }
};

// How much of each pixel a figure covers, 0 to 1.
struct Mask {
  int width;
  int height;
  std::vector<float> coverage;

  Mask(int w, int h);
  float at(int x, int y) const { return coverage[y * width + x]; }
  float& at(int x, int y) { return coverage[y * width + x]; }
};

// A signed distance in pixels at a pixel position (x right, y down):
// negative inside the figure.
using Field = std::function<float(float x, float y)>;
// The colour to paint at a pixel position.
using Shader = std::function<Colour(float x, float y)>;

// The figure's coverage, anti-aliased across a one-pixel band, or with a
// soft edge that fades over softness pixels (for glows and shadows).
Mask fieldMask(int width, int height, const Field& field,
               float softness = 1.0f);
// Adds a mask onto another, saturating at full coverage.
void addMask(Mask& into, const Mask& other);
// A Gaussian-like blur: three box passes of the given radius.
Mask blurred(const Mask& mask, int radius);

// Lays the shader's colour over the canvas where the mask covers it, with
// the given opacity and the mask moved by (dx, dy) pixels. Transparent
// canvas pixels take the paint's colour, so soft edges never fringe dark.
void paint(Canvas& canvas, const Mask& mask, const Shader& shader,
           float opacity = 1.0f, int dx = 0, int dy = 0);
void paint(Canvas& canvas, const Mask& mask, const Colour& colour,
           float opacity = 1.0f, int dx = 0, int dy = 0);
