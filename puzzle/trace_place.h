// Where a traced node's label stands: in its node's own square of the grid,
// nearer that node than any other, clear of every node and of the heads of
// the links drawn on the board.
#pragma once

#include "puzzle/board.h"

struct WorldBox {
  float left = 0.0f, bottom = 0.0f, right = 0.0f, top = 0.0f;
};

// A link's head, as the link picture draws it: a triangle pointing at the
// node the link enters, its tip this share of the link's length short of
// that node, its back a further share away, as wide as twice its half
// width. The link picture spans 0.2 to 0.8 of the link and its head the
// last 25 of its 80 pixels, 15 pixels either side of the middle.
constexpr float kArrowTipShare = 0.2f + 0.6f * 5.0f / 80.0f;
constexpr float kArrowBackShare = 0.2f + 0.6f * 30.0f / 80.0f;
constexpr float kArrowHalfWidthShare = 0.6f * 15.0f / 80.0f;
// Its shaft, from the link picture's tail to the head's back, 5 pixels
// either side of the middle.
constexpr float kShaftTailShare = 0.2f + 0.6f * 6.0f / 80.0f;
constexpr float kShaftHalfWidthShare = 0.6f * 5.0f / 80.0f;
// A node covers a disc of this radius, world units.
constexpr float kNodeRadius = 2.0f;
// How far a label keeps from its node's centre, above or below it.
constexpr float kLabelGap = 2.3f;

// A link drawn on the board besides the nodes' own: the hint's.
struct ShownLink {
  const Node* from = nullptr;
  const Node* to = nullptr;
};

// True when the box covers part of any node's disc or any link's head,
// the shown link's included.
bool coversNodeOrArrowhead(const Board& board, const WorldBox& box,
                           ShownLink shown = {});
// True when the box covers part of a link's shaft, the shown link's
// included: allowed, but a place clear of them reads better.
bool coversShaft(const Board& board, const WorldBox& box, ShownLink shown = {});
// True when every corner of the box is nearer the node than any other node.
bool nearestToNode(const Board& board, const Node& node, const WorldBox& box);

// The box of width x height world units for the label of node, below or
// above it and centred or shifted sideways: the first of those places that
// stays nearest to its node and covers no node, arrowhead or shaft, else
// the first that covers only shafts, else the one breaking the fewest of
// those rules (a node entered from above and below alike).
WorldBox placeTraceLabel(const Board& board, const Node& node, float width,
                         float height, ShownLink shown = {});
