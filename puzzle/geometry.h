// Shared geometry helpers: distances between world points and angle units.
#pragma once

#include <cmath>

constexpr double kRadiansToDegrees = 57.29577951308232;
constexpr double kDegreesToRadians = 0.017453292519943295;

// Squared distance between (x1, y1) and (x2, y2), in double precision so the
// reach and pick tests compare exact values on the board's whole-number grid.
inline double squaredDistance(double x1, double y1, double x2, double y2) {
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  return dx * dx + dy * dy;
}

inline double distance(double x1, double y1, double x2, double y2) {
  return std::sqrt(squaredDistance(x1, y1, x2, y2));
}
