// The process-wide play state.
#include "puzzle/game_state.h"

GameState& gameState() {
  static GameState state;
  return state;
}
