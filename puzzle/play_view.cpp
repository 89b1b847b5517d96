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
  view.resultSize = board.resultShape.size;
  view.resultSides = board.resultShape.sides;
  view.resultHue = board.resultShape.hue;
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
  const bool sameResult = reachesSink == other.reachesSink &&
                          (!reachesSink || (resultSize == other.resultSize &&
                                            resultSides == other.resultSides &&
                                            resultHue == other.resultHue));
  return levelIndex == other.levelIndex && selected == other.selected &&
         sameMark && sameResult && links == other.links;
}
