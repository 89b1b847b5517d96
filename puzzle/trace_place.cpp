// Placing a traced node's label.
#include "puzzle/trace_place.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

struct Point {
  float x, y;
};

std::array<Point, 4> corners(const WorldBox& box) {
  return {{{box.left, box.bottom},
           {box.right, box.bottom},
           {box.right, box.top},
           {box.left, box.top}}};
}

// A point share of the way from one node towards the other, moved across
// the line by side times the distance.
Point along(const Node& to, const Node& from, float share, float side) {
  const float dx = from.x - to.x, dy = from.y - to.y;
  return {to.x + dx * share - dy * side, to.y + dy * share + dx * side};
}

// The head of the link from one node to the other, a triangle.
std::vector<Point> arrowhead(const Node& from, const Node& to) {
  const float across = kArrowHalfWidthShare;
  return {along(to, from, kArrowTipShare, 0.0f),
          along(to, from, kArrowBackShare, across),
          along(to, from, kArrowBackShare, -across)};
}

// Its shaft, a thin rectangle.
std::vector<Point> shaft(const Node& from, const Node& to) {
  const float across = kShaftHalfWidthShare;
  const float tail = 1.0f - kShaftTailShare;
  return {along(to, from, kArrowBackShare, across),
          along(to, from, tail, across), along(to, from, tail, -across),
          along(to, from, kArrowBackShare, -across)};
}

// Separating axes: a box and a convex polygon overlap unless one of the
// box's two axes or one of the polygon's edge normals parts them.
bool boxMeetsPolygon(const WorldBox& box, const std::vector<Point>& polygon) {
  const std::array<Point, 4> quad = corners(box);
  std::vector<Point> axes = {{1.0f, 0.0f}, {0.0f, 1.0f}};
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const Point& a = polygon[i];
    const Point& b = polygon[(i + 1) % polygon.size()];
    axes.push_back({b.y - a.y, a.x - b.x});
  }
  for (const Point& axis : axes) {
    float boxLow = 1e30f, boxHigh = -1e30f, low = 1e30f, high = -1e30f;
    for (const Point& p : quad) {
      const float at = p.x * axis.x + p.y * axis.y;
      boxLow = std::min(boxLow, at);
      boxHigh = std::max(boxHigh, at);
    }
    for (const Point& p : polygon) {
      const float at = p.x * axis.x + p.y * axis.y;
      low = std::min(low, at);
      high = std::max(high, at);
    }
    if (boxHigh <= low || high <= boxLow) return false;
  }
  return true;
}

// Every link drawn: each node's, then the shown one.
template <typename Visit>
bool anyLink(const Board& board, ShownLink shown, Visit meets) {
  for (const auto& node : board.nodes)
    if (node->next != nullptr && meets(*node, *node->next)) return true;
  return shown.from != nullptr && shown.to != nullptr &&
         meets(*shown.from, *shown.to);
}

bool boxMeetsDisc(const WorldBox& box, float x, float y, float radius) {
  const float nearX = std::clamp(x, box.left, box.right);
  const float nearY = std::clamp(y, box.bottom, box.top);
  return std::hypot(nearX - x, nearY - y) < radius;
}

// Covering a node or an arrowhead, or leaving the node's square, weighs
// more than covering a shaft.
int brokenRules(const Board& board, const Node& node, const WorldBox& box,
                ShownLink shown) {
  return (coversNodeOrArrowhead(board, box, shown) ? 2 : 0) +
         (nearestToNode(board, node, box) ? 0 : 2) +
         (coversShaft(board, box, shown) ? 1 : 0);
}

}  // namespace

bool coversNodeOrArrowhead(const Board& board, const WorldBox& box,
                           ShownLink shown) {
  for (const auto& node : board.nodes)
    if (boxMeetsDisc(box, node->x, node->y, kNodeRadius)) return true;
  return anyLink(board, shown, [&](const Node& from, const Node& to) {
    return boxMeetsPolygon(box, arrowhead(from, to));
  });
}

bool coversShaft(const Board& board, const WorldBox& box, ShownLink shown) {
  return anyLink(board, shown, [&](const Node& from, const Node& to) {
    return boxMeetsPolygon(box, shaft(from, to));
  });
}

bool nearestToNode(const Board& board, const Node& node, const WorldBox& box) {
  for (const Point& corner : corners(box)) {
    const float own = std::hypot(corner.x - node.x, corner.y - node.y);
    for (const auto& other : board.nodes)
      if (other.get() != &node &&
          std::hypot(corner.x - other->x, corner.y - other->y) <= own)
        return false;
  }
  return true;
}

WorldBox placeTraceLabel(const Board& board, const Node& node, float width,
                         float height, ShownLink shown) {
  // Within half the grid's spacing of the node, less a little, so that the
  // far corners stay nearer it than its neighbours.
  const float reach = gridSpacing * 0.5f - 0.2f;
  const float shift = std::max(0.0f, reach - width * 0.5f);
  const float below = node.y - kLabelGap, above = node.y + kLabelGap;
  struct Place {
    float top, sideways;
  };
  const Place places[] = {{below, 0.0f},           {above + height, 0.0f},
                          {below, shift},          {below, -shift},
                          {above + height, shift}, {above + height, -shift}};
  WorldBox best;
  int fewest = 1000;
  for (const Place& place : places) {
    WorldBox box;
    box.left = node.x + place.sideways - width * 0.5f;
    box.right = box.left + width;
    box.top = place.top;
    box.bottom = box.top - height;
    const int broken = brokenRules(board, node, box, shown);
    if (broken < fewest) {
      best = box;
      fewest = broken;
    }
    if (broken == 0) break;
  }
  return best;
}
