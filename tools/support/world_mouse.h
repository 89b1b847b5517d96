// The game's mouse in world units: clicks at world points of the game's
// window and chains linked node by node as a player links them.
#pragma once

#include <utility>
#include <vector>

#include "puzzle/board.h"
#include "tools/support/cells.h"
#include "tools/support/x_session.h"

// The nodes and shapes where the game places them, in every level: a board
// built by the game's own code.
const Board& boardLayout();
// A click at world (x, y) of the game's window at its own size.
void clickWorld(XClient& client, Window window, float x, float y);
// Moves the pointer to world (x, y) without clicking.
void moveToWorld(XClient& client, Window window, float x, float y);
// Links the source node through cells to the sink: a click on the source
// selects it, then each cell's node is clicked twice (the first click
// links the previous node to it, the second selects it), and a click on
// the sink ends the chain.
void clickChain(XClient& client, Window window, Cells cells);
// The same for a chain found at run time, such as a generated level's.
void clickChain(XClient& client, Window window,
                const std::vector<std::pair<int, int>>& cells);
