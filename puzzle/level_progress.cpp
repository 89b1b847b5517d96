// Level progression.
#include "puzzle/level_progress.h"

#include "puzzle/level_set.h"

void advancePlay(Board& board, GameState& state, float dt) {
  if (!state.levelPause) {
    if (board.evaluate()) {
      state.levelPause = true;
      state.pauseLeft = levelPauseSeconds;
    }
    return;
  }
  state.pauseLeft -= dt;
  if (state.pauseLeft > 0.0f) return;
  board.levelIndex += 1;
  if (board.levelIndex >= levelSetSize()) {
    // The pause flag stays set: presses stay ignored until the restart.
    state.screenState = ScreenState::GameOver;
    return;
  }
  board.loadLevel();
  state.levelPause = false;
}

void restartPlay(Board& board, GameState& state) {
  board.restart();
  state.levelPause = false;
}
