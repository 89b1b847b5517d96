// Chain evaluation: walk the links from the source node and test the result.
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
  reachesSink = false;
  if (hasCycle()) return false;

  for (const Node* n = sourceNode; n != nullptr; n = n->next) {
    if (n == sinkNode) reachesSink = true;
    addAndClamp(working, *n);
  }
  if (!reachesSink) return false;

  resultShape.copyFrom(working);
  resultShape.refreshColour();
  return resultShape.equals(targetShape);
}
