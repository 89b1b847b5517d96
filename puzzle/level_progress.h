// Level progression: solving a level starts a pause, the pause leads to the
// next level or, after the last one, to the game-over screen.
#pragma once

#include "puzzle/board.h"
#include "puzzle/game_state.h"

// Seconds between solving a level and loading the next.
constexpr float levelPauseSeconds = 1.0f;

// One frame of play on the playing screen, dt seconds long. A frame longer
// than the remaining pause ends it; the remainder is not carried over.
void advancePlay(Board& board, GameState& state, float dt);

// Back to level 1 after the game-over screen, with no pause running.
void restartPlay(Board& board, GameState& state);
