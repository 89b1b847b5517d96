// Guided play's drawing over the board: the shape beside every node of the
// live chain, and the hint's marks.
#pragma once

#include "puzzle/board.h"
#include "puzzle/hint.h"

// Where a traced shape sits from its node's centre, world units: below and
// a little right, between the vertical and the diagonal links and clear of
// the node, its selector ring and the link ends near it (a link picture
// leaves a fifth of its length free at each end).
constexpr float kTraceOffsetX = 2.5f;
constexpr float kTraceOffsetY = -6.0f;
// A traced shape is drawn this share of its shape's size: at the largest
// size, 8, it is 3 units across.
constexpr float kTraceScale = 0.1875f;

// A small copy of the shape leaving each grid node on the live chain (the
// source's is the start shape and the sink's the result, both drawn
// already), with its sides, size and colour.
void drawChainTrace(const Board& board);

// A next link as a golden link with rings on both its nodes; a wrong link
// as a red one with a ring on the node it leaves.
void drawHint(const Board& board, const Hint& hint);
