// Play view: the shown state of the board and the screen, compared.
#include "puzzle/play_view.h"

PlayView viewOf(const Board& board, const GameState& state) {
  PlayView view;
  view.screen = state.screenState;
  view.levelIndex = board.levelIndex;
  view.levelPause = state.levelPause;
  view.selected = board.selectedNode;
  view.hovered = board.hoveredNode;
  view.hoverValid = board.hoverValid;
  view.reachesSink = board.reachesSink;
  view.result = board.resultShape;
  for (std::size_t i = 0; i < board.nodes.size() && i < view.links.size(); ++i)
    view.links[i] = board.nodes[i]->next;
  return view;
}

bool PlayView::sameProgress(const PlayView& other) const {
  return screen == other.screen && levelIndex == other.levelIndex &&
         levelPause == other.levelPause;
}

bool PlayView::looksLike(const PlayView& other) const {
  if (screen != other.screen) return false;
  if (screen != ScreenState::Playing) return true;
  const bool sameMark = hovered == other.hovered &&
                        (hovered == nullptr || hoverValid == other.hoverValid);
  // Colour follows the hue, so the quantities decide how the result looks.
  const bool sameResult = reachesSink == other.reachesSink &&
                          (!reachesSink || result.equals(other.result));
  return levelIndex == other.levelIndex && selected == other.selected &&
         sameMark && sameResult && links == other.links;
}
