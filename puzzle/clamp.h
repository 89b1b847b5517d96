// Adding a node's deltas to a shape and holding it within its limits.
#pragma once

#include <algorithm>

#include "puzzle/node.h"
#include "puzzle/shape.h"

// Which limits one node's deltas ran into, as bits.
enum ClampFlag : unsigned {
  hueRaised = 1u << 0,
  hueLowered = 1u << 1,
  sidesRaised = 1u << 2,
  sidesLowered = 1u << 3,
  sizeRaised = 1u << 4,
  sizeLowered = 1u << 5,
};

// Written as min and max rather than two branches, so evaluation (which
// ignores the flags) compiles to branch-free code.
template <typename T>
void clampInto(T& value, T low, T high, unsigned& clamps, unsigned raised,
               unsigned lowered) {
  if (value < low) clamps |= raised;
  if (value > high) clamps |= lowered;
  value = std::min(std::max(value, low), high);
}

// Clamping after every node (not once at the end) makes the order of the
// nodes on a chain matter; the levels are designed around it. Returns the
// clamps applied.
inline unsigned addAndClamp(Shape& shape, const Node& node) {
  unsigned clamps = 0;
  shape.hue += node.hueDelta;
  shape.sides += node.sidesDelta;
  shape.size += node.sizeDelta;
  clampInto(shape.hue, kMinHue, kMaxHue, clamps, hueRaised, hueLowered);
  clampInto(shape.sides, kMinSides, kMaxSides, clamps, sidesRaised,
            sidesLowered);
  clampInto(shape.size, kMinSize, kMaxSize, clamps, sizeRaised, sizeLowered);
  return clamps;
}
