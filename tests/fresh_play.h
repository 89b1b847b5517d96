// Test support: a freshly built board and the process-wide game state reset,
// as the tests of input and play start from.
#pragma once

#include <gtest/gtest.h>

#include "puzzle/board.h"
#include "puzzle/game_state.h"
#include "puzzle/link_editing.h"

// The board reads the process-wide pause flag, so these use that state.
struct FreshPlayTest : ::testing::Test {
  Board b;
  GameState& state = gameState();
  void SetUp() override {
    b.build();
    linkMode() = LinkMode::Idle;
    state = GameState{};
  }
};
