// The keyboard's focus and its steps.
#include "puzzle/key_focus.h"

namespace {

// The row the ends lead into, and lead out of by the side steps.
constexpr int kEndRow = 1;

}  // namespace

int focusAfter(int at, FocusStep step) {
  if (at == kSourceIndex)
    return step == FocusStep::Right ? kEndRow * gridColumns : at;
  if (at == kSinkIndex)
    return step == FocusStep::Left ? kEndRow * gridColumns + gridColumns - 1
                                   : at;
  if (at < 0 || at > kSinkIndex) return kSourceIndex;
  const int row = at / gridColumns;
  const int column = at % gridColumns;
  switch (step) {
    case FocusStep::Up: return row > 0 ? at - gridColumns : at;
    case FocusStep::Down: return row < gridRows - 1 ? at + gridColumns : at;
    case FocusStep::Left: return column > 0 ? at - 1 : kSourceIndex;
    case FocusStep::Right:
      return column < gridColumns - 1 ? at + 1 : kSinkIndex;
  }
  return at;
}

void pressNode(Board& board, const Node& node) {
  board.pressAt(node.x, node.y, true, false, true);
}
