// How far a link may reach, shared by link editing and the level checks.
#pragma once

#include "puzzle/geometry.h"
#include "puzzle/node.h"

// Squared world distance a link may span: a grid node reaches its eight
// neighbours (144 and 288), the source the left column, the right column
// the sink, but nothing two columns or rows away (576 and more).
constexpr double linkReachSquared = 500.0;

// True when a link from one node to the other spans a distance the rules
// allow; a node never reaches itself.
inline bool withinLinkReach(const Node& from, const Node& to) {
  const double d = squaredDistance(from.x, from.y, to.x, to.y);
  return d > 0.0 && d <= linkReachSquared;
}
