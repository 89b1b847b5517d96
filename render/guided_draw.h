// Guided play's drawing over the board: the shape beside every node of the
// live chain, and the hint's marks.
#pragma once

#include "puzzle/board.h"
#include "puzzle/hint.h"

// Where a traced shape sits from its node's centre, world units: below and
// a little right, between the vertical and the diagonal links and clear of
// the node, its selector ring and the link ends near it (a link picture
// leaves a fifth of its length free at each end).
constexpr float kTraceOffsetX = 3.0f;
constexpr float kTraceOffsetY = -6.0f;
// A traced shape is drawn this share of its shape's size: a quarter, 1
// unit across at the smallest size (2) and 4 at the largest (8).
constexpr float kTraceScale = 0.25f;

// A small copy of the shape leaving each grid node on the live chain (the
// source's is the start shape and the sink's the result, both drawn
// already), with its sides, size and colour.
void drawChainTrace(const Board& board);

// A next link as a golden link with rings on both its nodes; a wrong link
// as a red one with a ring on the node it leaves.
void drawHint(const Board& board, const Hint& hint);
