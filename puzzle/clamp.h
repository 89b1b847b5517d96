// Adding a node's deltas to a shape and holding it within its limits.
#pragma once

#include <algorithm>

#include "puzzle/quantities.h"

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
  forEachQuantity([&](const auto& entry) {
    shape.*entry.amount += node.*entry.delta;
    clampInto(shape.*entry.amount, entry.lowest(), entry.highest(), clamps,
              entry.facts.raised, entry.facts.lowered);
  });
  return clamps;
}
