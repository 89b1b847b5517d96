// Guided play's drawing over the board: a label beside every node of the
// live chain with the shape leaving it, the numbers beside the start,
// target and result shapes, and the hint's marks.
#pragma once

#include <iterator>
#include <string>

#include "puzzle/board.h"
#include "puzzle/hint.h"
#include "puzzle/quantities.h"
#include "puzzle/trace_place.h"

// A traced shape's picture is this many world units across whatever the
// shape's size (3.5 units, 28 pixels at 800 x 600), so its corners can be
// counted; its numbers say the size.
constexpr float kTraceShapeSide = 3.5f;
// The em of the numbers beside traced shapes and the three big shapes,
// world units (13 and 15 pixels at 800 x 600).
constexpr float kTraceNumberEm = 1.65f;
constexpr float kShapeNumberEm = 1.9f;

// The lines of numbers beside a traced shape: "s3 c5", then "h200".
struct TraceLine {
  int first;  // index into kQuantities of the line's first number
  int count;
};
constexpr TraceLine kTraceLines[] = {{0, 2}, {2, 1}};
constexpr int kTraceLineCount = static_cast<int>(std::size(kTraceLines));
static_assert(kTraceLines[kTraceLineCount - 1].first +
                      kTraceLines[kTraceLineCount - 1].count ==
                  static_cast<int>(kQuantityCount),
              "the label's lines show every quantity");

// The label's size, world units: the shape, then its lines of numbers,
// the widest ("s8 c8") with room to spare.
constexpr float kTraceLabelWidth = 8.4f;
constexpr float kTraceLabelHeight = kTraceShapeSide;
// Where the label's parts stand inside its box: the shape's centre, and
// each line's left end and baseline.
float traceShapeX(const WorldBox& box);
float traceShapeY(const WorldBox& box);
float traceTextLeft(const WorldBox& box);
float traceLineBaseline(const WorldBox& box, int line);
// A line of a traced shape's numbers, as drawn: "s3 c5".
std::string traceLineText(const Shape& shape, int line);

// A label beside each grid node on the live chain (the source's shape is
// the start shape and the sink's the result, both drawn already): the
// shape leaving it with its corners and colour, and its size, corners and
// hue as numbers, each number a limit cut framed by an outline. The labels
// keep clear of the hint's link as of the board's.
void drawChainTrace(const Board& board, const Hint& hint);

// Size, corners and hue under the start and result shapes (the result only
// when the chain reaches the sink) and over the target's name.
void drawShapeNumbers(const Board& board);

// The keys' focus on a node: four corner brackets of a square round it,
// wider than the selection's rings, so it differs from them and from the
// hover ring by shape.
void drawFocus(const Node& node);

// A next link as a golden link with rings on both its nodes; a wrong link
// as a red one with a ring on the node it leaves.
void drawHint(const Board& board, const Hint& hint);
