// The process-wide play state and the order of the screens.
#include "puzzle/game_state.h"

GameState& gameState() {
  static GameState state;
  return state;
}

ScreenState screenAfterPress(ScreenState screen) {
  switch (screen) {
    case ScreenState::Title: return ScreenState::Instructions;
    case ScreenState::Instructions: return ScreenState::Playing;
    case ScreenState::Playing: return ScreenState::Playing;
    case ScreenState::GameOver: return ScreenState::Playing;
  }
  return screen;
}
