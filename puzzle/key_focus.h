// The keyboard's focus on the board: the node Enter or Space presses, moved
// one step at a time by the arrow keys.
#pragma once

#include "puzzle/board.h"

enum class FocusStep { Up, Down, Left, Right };

// The places in Board::nodes of the two end nodes, where the focus of a
// level starts (the source) and where Right from the last column goes.
constexpr int kSourceIndex = gridRows * gridColumns;
constexpr int kSinkIndex = kSourceIndex + 1;

// Where the focus goes from the node at index `at` by one step: the next
// grid node that way; from the first column's Left the source and from the
// last column's Right the sink; from the source Right the second row's
// first node, from the sink Left its last one. Up and Down from the ends,
// and steps off the grid's top or bottom, stay.
int focusAfter(int at, FocusStep step);

// A left press on the node, exactly as the pointer's press at its centre.
void pressNode(Board& board, const Node& node);
