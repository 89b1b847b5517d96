// The live chain and the shape after each of its nodes.
#include "puzzle/chain_trace.h"

#include "puzzle/clamp.h"

std::vector<TracedNode> traceChain(const Board& board) {
  std::vector<TracedNode> trace;
  Shape working;
  working.init();  // full saturation and value, as the drawn shapes have
  working.copyFrom(board.startShape);
  for (Node* node = board.sourceNode; node != nullptr; node = node->next) {
    for (const TracedNode& passed : trace)
      if (passed.node == node) return trace;  // the link closes a loop
    const unsigned clamps = addAndClamp(working, *node);
    working.refreshColour();
    trace.push_back({node, working, clamps});
  }
  return trace;
}

std::array<bool, boardNodeCount> liveLinks(const Board& board) {
  std::array<bool, boardNodeCount> live{};
  std::array<bool, boardNodeCount> passed{};
  for (const Node* node = board.sourceNode; node != nullptr;
       node = node->next) {
    const int at = board.indexOf(node);
    if (at < 0 || passed[at]) break;
    passed[at] = true;
    const int next = board.indexOf(node->next);
    live[at] = next >= 0 && !passed[next];
  }
  return live;
}
