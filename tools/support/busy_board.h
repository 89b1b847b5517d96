// A playing board with everything on it, for frames that
// must show every kind of sprite.
#pragma once

// Sets the process-wide board and state to the Playing screen with a chain
// from the source node through the top row to the sink (its result shape
// shows, the level stays unsolved), a selected node and, on another node,
// the translucent red hover mark of a press that would be refused.
void setUpBusyBoard();
