// Screens and the pause between levels.
#include "puzzle/level_progress.h"

#include <gtest/gtest.h>

#include "puzzle/board.h"
#include "puzzle/game_state.h"
#include "puzzle/levels.h"
#include "puzzle/link_editing.h"
#include "puzzle/screen_flow.h"
#include "tests/chain.h"
#include "tests/fresh_play.h"
#include "tests/solving_chains.h"

namespace {

constexpr float frame = 1.0f / 60.0f;

struct LevelProgressTest : ::testing::Test {
  Board b;
  GameState state;
  void SetUp() override {
    b.build();
    state.screenState = ScreenState::Playing;
  }
  void solveLevelOne() { linkChain(b, solvingChains[0]); }
};

TEST(Screens, PressesLeadThroughTitleAndInstructionsToPlay) {
  EXPECT_EQ(screenAfterPress(ScreenState::Title), ScreenState::Instructions);
  EXPECT_EQ(screenAfterPress(ScreenState::Instructions), ScreenState::Playing);
  EXPECT_EQ(screenAfterPress(ScreenState::GameOver), ScreenState::Playing);
  EXPECT_EQ(screenAfterPress(ScreenState::Playing), ScreenState::Playing);
}

struct ButtonRoutingTest : FreshPlayTest {
  ButtonEffect press(MouseButton button, const Node* at) {
    return routeButton(b, state, button, true, at->x, at->y);
  }
  ButtonEffect release(MouseButton button, const Node* at) {
    return routeButton(b, state, button, false, at->x, at->y);
  }
};

TEST_F(ButtonRoutingTest, AnyButtonDownMovesOnAndNeverReachesTheBoard) {
  const Node* source = b.sourceNode;
  EXPECT_EQ(release(MouseButton::Left, source), ButtonEffect::None);
  EXPECT_EQ(state.screenState, ScreenState::Title);
  EXPECT_EQ(press(MouseButton::Right, source), ButtonEffect::None);
  EXPECT_EQ(state.screenState, ScreenState::Instructions);
  EXPECT_EQ(press(MouseButton::Left, source), ButtonEffect::ClearBuffers);
  EXPECT_EQ(state.screenState, ScreenState::Playing);
  EXPECT_EQ(b.selectedNode, nullptr);  // that press did not select the source
  EXPECT_EQ(release(MouseButton::Left, source), ButtonEffect::None);
  EXPECT_EQ(b.selectedNode, nullptr);
  // The next press is the board's.
  EXPECT_EQ(press(MouseButton::Left, source), ButtonEffect::None);
  EXPECT_EQ(b.selectedNode, b.sourceNode);
}

TEST_F(ButtonRoutingTest, OnlyTheLeftButtonEditsWhilePlaying) {
  state.screenState = ScreenState::Playing;
  press(MouseButton::Right, b.gridNode(1, 1));
  press(MouseButton::Middle, b.gridNode(1, 1));
  EXPECT_EQ(b.selectedNode, nullptr);
  press(MouseButton::Left, b.gridNode(1, 1));
  EXPECT_EQ(b.selectedNode, b.gridNode(1, 1));
}

TEST_F(ButtonRoutingTest, AnyPressOnGameOverAsksForARestart) {
  state.screenState = ScreenState::GameOver;
  EXPECT_EQ(release(MouseButton::Middle, b.sourceNode), ButtonEffect::None);
  EXPECT_EQ(state.screenState, ScreenState::GameOver);
  EXPECT_EQ(press(MouseButton::Middle, b.sourceNode), ButtonEffect::Restart);
  EXPECT_EQ(state.screenState, ScreenState::Playing);
  EXPECT_EQ(b.selectedNode, nullptr);
}

TEST_F(LevelProgressTest, SolvingStartsAOneSecondPause) {
  advancePlay(b, state, frame);
  EXPECT_FALSE(state.levelPause);
  solveLevelOne();
  advancePlay(b, state, frame);
  EXPECT_TRUE(state.levelPause);
  EXPECT_EQ(state.pauseLeft, 1.0f);
  EXPECT_EQ(b.levelIndex, 0);
}

TEST_F(LevelProgressTest, ThePauseRunsDownThenLoadsTheNextLevel) {
  solveLevelOne();
  advancePlay(b, state, frame);
  for (int i = 0; i < 10; ++i) advancePlay(b, state, 0.09f);
  EXPECT_TRUE(state.levelPause);
  EXPECT_EQ(b.levelIndex, 0);
  EXPECT_EQ(b.sourceNode->next, b.gridNode(0, 0));  // board kept as solved
  advancePlay(b, state, 0.12f);
  EXPECT_FALSE(state.levelPause);
  EXPECT_EQ(b.levelIndex, 1);
  EXPECT_EQ(b.sourceNode->next, nullptr);
  EXPECT_EQ(b.targetShape.sides, 8);
}

TEST_F(LevelProgressTest, ALongFrameEndsThePauseAndNothingCarriesOver) {
  solveLevelOne();
  advancePlay(b, state, frame);
  advancePlay(b, state, 5.0f);
  EXPECT_EQ(b.levelIndex, 1);
  EXPECT_FALSE(state.levelPause);
  // The next frame evaluates the new, unlinked level instead of pausing.
  advancePlay(b, state, frame);
  EXPECT_FALSE(state.levelPause);
  EXPECT_EQ(b.levelIndex, 1);
}

TEST_F(LevelProgressTest, ThePauseEndsOnTheFrameItReachesZero) {
  solveLevelOne();
  advancePlay(b, state, frame);
  advancePlay(b, state, 0.5f);
  advancePlay(b, state, 0.5f);
  EXPECT_EQ(b.levelIndex, 1);
}

TEST_F(LevelProgressTest, TheSixthLevelEndsOnGameOverWithoutReloading) {
  b.levelIndex = levelCount - 1;
  b.loadLevel();
  linkChain(b, solvingChains[levelCount - 1]);
  advancePlay(b, state, frame);
  ASSERT_TRUE(state.levelPause);
  advancePlay(b, state, 2.0f);
  EXPECT_EQ(state.screenState, ScreenState::GameOver);
  EXPECT_EQ(b.levelIndex, levelCount);
  EXPECT_TRUE(state.levelPause);
  EXPECT_EQ(b.sourceNode->next, b.gridNode(1, 0));

  restartPlay(b, state);
  EXPECT_EQ(b.levelIndex, 0);
  EXPECT_FALSE(state.levelPause);
  for (const auto& node : b.nodes) EXPECT_EQ(node->next, nullptr);
  EXPECT_EQ(b.targetShape.size, 6.0f);
}

TEST_F(LevelProgressTest, EveryLevelInTurnLeadsToTheNext) {
  for (int level = 0; level < levelCount; ++level) {
    ASSERT_EQ(b.levelIndex, level);
    linkChain(b, solvingChains[level]);
    advancePlay(b, state, frame);
    for (int i = 0; i < 70; ++i) advancePlay(b, state, frame);
  }
  EXPECT_EQ(state.screenState, ScreenState::GameOver);
}

}  // namespace
