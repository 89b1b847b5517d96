// Distance fields of the figures the pictures are made of, in pixels.
#pragma once

#include <vector>

#include "tools/images/canvas.h"

struct Point {
  float x;
  float y;
};

// A disc of the given radius around (cx, cy).
Field discField(float cx, float cy, float radius);
// A ring: the band of the given width centred on a circle of radius.
Field ringField(float cx, float cy, float radius, float width);
// Any simple polygon, corners in order.
Field polygonField(std::vector<Point> corners);
// A rectangle with rounded corners.
Field roundedBoxField(float left, float top, float right, float bottom,
                      float cornerRadius);

// The corners of a regular polygon with this many sides, resting on a flat
// bottom edge, scaled and centred so its bounding box just fits a square of
// side extent around (cx, cy).
std::vector<Point> regularPolygon(int sides, float cx, float cy, float extent);
// The same, rotated by angle radians about its centre (for decoration).
std::vector<Point> turnedPolygon(int sides, float cx, float cy, float extent,
                                 float angle);
