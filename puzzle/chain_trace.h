// The live chain: the nodes linked one after another from the source, and
// the shape as it leaves each of them, as evaluation computes it.
#pragma once

#include <array>
#include <vector>

#include "puzzle/board.h"

struct TracedNode {
  Node* node = nullptr;
  Shape leaving;        // the shape after this node's deltas and the clamps
  unsigned clamps = 0;  // the ClampFlag bits of the limits this node hit
};

// The chain from the source node along the links, the source first, up to
// its last node: the sink, a node without a link, or the last node before
// the chain would come back to one it has passed (a loop). The shapes are
// added and clamped node by node as Board::evaluate does.
std::vector<TracedNode> traceChain(const Board& board);

// Entry i tells whether node i's outgoing link is on the live chain: node i
// is on the chain and the link is not the one that closes a loop. Walks the
// links without allocating, cheap enough for every frame.
std::array<bool, boardNodeCount> liveLinks(const Board& board);
