// Test helper: link a chain from the source node through grid cells to the
// sink node, as a player would.
#pragma once

#include "puzzle/board.h"
#include "tools/support/cells.h"

inline void linkChain(Board& b, Cells cells) {
  Node* from = b.sourceNode;
  for (const auto& [row, column] : cells) {
    from->next = b.gridNode(row, column);
    from = from->next;
  }
  from->next = b.sinkNode;
}
