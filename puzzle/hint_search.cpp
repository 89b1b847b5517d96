// The hints' search on a board of its own.
#include "puzzle/hint_search.h"

#include "puzzle/quantities.h"

void HintSearch::start(const Board& shown) {
  board.layOut();
  for (int k = 0; k < boardNodeCount; ++k) {
    Node& own = *board.nodes[k];
    const Node& seen = *shown.nodes[k];
    forEachQuantity(
        [&](const auto& entry) { own.*entry.delta = seen.*entry.delta; });
  }
  board.startShape.copyFrom(shown.startShape);
  board.targetShape.copyFrom(shown.targetShape);
  search.start(board, true);
}

bool HintSearch::advance(long steps) { return search.advance(steps); }
