// Test support: a playing board with everything on it.
#include "tools/support/busy_board.h"

#include "puzzle/board.h"
#include "puzzle/game_state.h"
#include "puzzle/link_editing.h"

void setUpBusyBoard() {
  Board& b = board();
  b.sourceNode->next = b.gridNode(0, 0);
  for (int column = 0; column + 1 < gridColumns; ++column)
    b.gridNode(0, column)->next = b.gridNode(0, column + 1);
  b.gridNode(0, gridColumns - 1)->next = b.sinkNode;
  b.selectedNode = b.gridNode(2, 1);
  linkMode() = LinkMode::Linking;
  b.hoveredNode = b.gridNode(2, 2);
  b.hoverValid = false;
  gameState().screenState = ScreenState::Playing;
}
