// The screen shown and the pause between levels: process-wide play state.
#pragma once

#include <cstdint>

enum class ScreenState : std::int32_t {
  Title = 0,
  Instructions = 1,
  Playing = 2,
  GameOver = 3,
};

struct GameState {
  ScreenState screenState = ScreenState::Title;
  bool levelPause = false;  // level solved, waiting before the next one
  float pauseLeft = 0.0f;   // seconds of that wait still to run
};

GameState& gameState();
