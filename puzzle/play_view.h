// Play view: what a frame shows of the board and the screen, taken before
// and after an event to tell whether the window must be drawn again.
#pragma once

#include <array>

#include "puzzle/board.h"
#include "puzzle/game_state.h"

struct PlayView {
  ScreenState screen = ScreenState::Title;
  int levelIndex = 0;
  bool levelPause = false;
  const Node* selected = nullptr;
  const Node* hovered = nullptr;
  bool hoverValid = false;  // the mark's colour; shown only with hovered
  bool reachesSink = false;
  Shape result;  // shown only with reachesSink; compared by its quantities
  std::array<const Node*, boardNodeCount> links{};  // each node's next

  // Whether a frame drawn now would show the same as one drawn at the
  // other view. A screen other than Playing shows only its picture, so
  // there the board is not compared.
  bool looksLike(const PlayView& other) const;
  // Whether the level, the screen and the pause are the same: a frame
  // whose update changed one of them is followed by another, which shows
  // the change through (the next level's first evaluation, the game-over
  // picture).
  bool sameProgress(const PlayView& other) const;
};

PlayView viewOf(const Board& board, const GameState& state);
