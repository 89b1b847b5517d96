// Screen flow: where a mouse button event goes, and the order of screens.
#pragma once

#include "puzzle/board.h"
#include "puzzle/game_state.h"

// The toolkit's button numbers.
enum class MouseButton { Left = 0, Middle = 1, Right = 2 };

// What the window layer must do after a button event, besides what
// routeButton has changed itself.
enum class ButtonEffect {
  None,
  ClearBuffers,  // entering play from the instructions
  Restart,       // leaving the game-over screen: back to level 1
};

// The screen a button press leads to from a screen other than Playing:
// Title to Instructions to Playing, and GameOver back to Playing. Playing
// itself stays: its presses go to the board.
ScreenState screenAfterPress(ScreenState screen);

// A button event. Any button going down outside the playing screen changes
// screens and never reaches the board; every other event (a release on any
// screen, a press while playing) goes to Board::pressAt at the pointer's
// last world position.
ButtonEffect routeButton(Board& board, GameState& state, MouseButton button,
                         bool down, float worldX, float worldY);
