// Screen flow: where a mouse button event goes, and the order of screens.
#include "puzzle/screen_flow.h"

ScreenState screenAfterPress(ScreenState screen) {
  switch (screen) {
    case ScreenState::Title: return ScreenState::Instructions;
    case ScreenState::Instructions: return ScreenState::Playing;
    case ScreenState::Playing: return ScreenState::Playing;
    case ScreenState::GameOver: return ScreenState::Playing;
  }
  return screen;
}

ButtonEffect routeButton(Board& board, GameState& state, MouseButton button,
                         bool down, float worldX, float worldY) {
  if (down && state.screenState != ScreenState::Playing) {
    const ScreenState left = state.screenState;
    state.screenState = screenAfterPress(left);
    if (left == ScreenState::Instructions) return ButtonEffect::ClearBuffers;
    if (left == ScreenState::GameOver) return ButtonEffect::Restart;
    return ButtonEffect::None;
  }
  board.pressAt(worldX, worldY, down && button == MouseButton::Left,
                down && button == MouseButton::Right, down);
  return ButtonEffect::None;
}
