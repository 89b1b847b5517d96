// Chain evaluation: walk the links from the source node and test the result.
#include <cstddef>

#include "puzzle/board.h"
#include "puzzle/clamp.h"

namespace {
const Node* nextOf(const Node* node) {
  return node == nullptr ? nullptr : node->next;
}
}  // namespace

// Two-speed walk: the fast pointer meets the slow one only inside a loop.
bool Board::hasCycle() const {
  const Node* slow = sourceNode->next;
  const Node* fast = nextOf(slow);
  while (slow != nullptr) {
    if (fast == nullptr) return false;
    if (slow == fast) return true;
    slow = slow->next;
    fast = nextOf(fast->next);
  }
  return false;
}

bool Board::evaluate() {
  Shape working;
  working.copyFrom(startShape);
  bool passedSink = false;
  // A chain without a loop visits each node at most once, so a walk longer
  // than the board has nodes has run into a loop. Counting the steps finds
  // what hasCycle finds within the one walk the evaluation needs anyway;
  // nothing is written until the walk has ended.
  const std::size_t longestChain = nodes.size();
  std::size_t steps = 0;
  for (const Node* n = sourceNode; n != nullptr; n = n->next) {
    if (++steps > longestChain) {
      reachesSink = false;
      return false;
    }
    if (n == sinkNode) passedSink = true;
    addAndClamp(working, *n);
  }
  reachesSink = passedSink;
  if (!reachesSink) return false;

  resultShape.copyFrom(working);
  resultShape.refreshColour();
  return resultShape.equals(targetShape);
}
