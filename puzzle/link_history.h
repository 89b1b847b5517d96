// Undo and redo of link edits within one level: the links of the board
// after every edit, back to the level's start.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "puzzle/board.h"

struct LinkHistory {
  // For each node, the index of the node its link points at, or -1.
  using Links = std::array<std::int8_t, boardNodeCount>;

  std::vector<Links> states;  // states[0] is the level's start
  std::size_t at = 0;         // the state the board shows

  // Forgets everything: the board's links become the start.
  void reset(const Board& board);
  // After an edit: when the links differ from the state shown, they become
  // a new state and every state that could be redone is dropped. False when
  // nothing changed (a selection, a refused link).
  bool record(const Board& board);
  // Puts back the links before the last edit, or after the last one taken
  // back; false, changing nothing, when there is none. Either ends any link
  // being made, so a selection never survives the links under it.
  bool undo(Board& board);
  bool redo(Board& board);

  static Links linksOf(const Board& board);
};

// Gives the board exactly these links and ends any link being made.
void setLinks(Board& board, const LinkHistory::Links& links);
// Removes every link of the board and ends any link being made.
void clearLinks(Board& board);
