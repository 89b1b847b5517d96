// What a frame shows, compared before and after an event: the events that
// must draw a frame and those that must not.
#include "puzzle/play_view.h"

#include <gtest/gtest.h>

#include "puzzle/level_progress.h"
#include "puzzle/level_set.h"
#include "puzzle/link_editing.h"
#include "tests/chain.h"
#include "tests/fresh_play.h"
#include "tests/solving_chains.h"

namespace {

struct PlayViewTest : FreshPlayTest {
  void SetUp() override {
    FreshPlayTest::SetUp();
    state.screenState = ScreenState::Playing;
  }
  PlayView now() const { return viewOf(b, state); }
  void press(const Node* node, bool down = true) {
    b.pressAt(node->x + 1, node->y - 1, true, false, down);
  }
  Node* at(int row, int column) { return b.gridNode(row, column); }
};

TEST_F(PlayViewTest, PointerMotionShowsSomethingNewOnlyWhenTheMarkChanges) {
  PlayView before = now();
  b.hoverAt(0, 0);  // far from every node: no mark before or after
  EXPECT_TRUE(now().looksLike(before));
  b.hoverAt(at(1, 1)->x, at(1, 1)->y);
  EXPECT_FALSE(now().looksLike(before)) << "the mark appeared";
  before = now();
  b.hoverAt(at(1, 1)->x + 2, at(1, 1)->y - 1);  // still over the same node
  EXPECT_TRUE(now().looksLike(before));
  b.hoverAt(at(1, 2)->x, at(1, 2)->y);
  EXPECT_FALSE(now().looksLike(before)) << "the mark moved";

  // With a node selected, the mark's colour says whether a click links.
  press(at(1, 1));
  b.hoverAt(at(2, 2)->x, at(2, 2)->y);
  before = now();
  b.hoverAt(at(3, 3)->x, at(3, 3)->y);  // out of reach: a red mark
  EXPECT_FALSE(b.hoverValid);
  EXPECT_FALSE(now().looksLike(before));
}

TEST_F(PlayViewTest, PressesThatEditShowSomethingNewAndReleasesDoNot) {
  PlayView before = now();
  press(b.sourceNode);
  EXPECT_FALSE(now().looksLike(before)) << "the selection";
  before = now();
  press(b.sourceNode, false);
  EXPECT_TRUE(now().looksLike(before)) << "a release";
  press(at(0, 0));
  EXPECT_FALSE(now().looksLike(before)) << "the link";
  before = now();
  b.pressAt(0, 0, true, false, true);  // on no node, nothing selected
  EXPECT_TRUE(now().looksLike(before));
}

TEST_F(PlayViewTest, EvaluationShowsANewResultOnlyWhenItChanges) {
  linkChain(b, solvingChains[0]);
  PlayView before = now();
  b.evaluate();
  EXPECT_FALSE(now().looksLike(before)) << "the result shape appeared";
  before = now();
  b.evaluate();
  EXPECT_TRUE(now().looksLike(before));

  // Each quantity of the result alone is a new picture.
  for (float Shape::*quantity : {&Shape::size, &Shape::hue}) {
    before = now();
    b.resultShape.*quantity += 20;
    EXPECT_FALSE(now().looksLike(before));
  }
  before = now();
  b.resultShape.sides += 1;
  EXPECT_FALSE(now().looksLike(before)) << "corners";
}

TEST_F(PlayViewTest, OffThePlayingScreenOnlyTheScreenCounts) {
  state.screenState = ScreenState::Title;
  const PlayView before = now();
  b.hoverAt(at(1, 1)->x, at(1, 1)->y);
  press(b.sourceNode);
  EXPECT_TRUE(now().looksLike(before));
  state.screenState = ScreenState::Instructions;
  EXPECT_FALSE(now().looksLike(before));
}

TEST_F(PlayViewTest, TheLevelThePauseAndTheScreenAreProgressAndTheResultIsNot) {
  linkChain(b, solvingChains[0]);
  PlayView before = now();
  advancePlay(b, state, 1.0f / 60);  // solved: the pause starts
  EXPECT_FALSE(now().sameProgress(before));
  before = now();
  advancePlay(b, state, 0.5f);  // the pause runs down
  EXPECT_TRUE(now().sameProgress(before));
  advancePlay(b, state, 0.6f);  // level 2 loaded
  EXPECT_FALSE(now().sameProgress(before));
  // The new level still shows the old result until it is evaluated.
  EXPECT_TRUE(b.reachesSink);
  before = now();
  advancePlay(b, state, 1.0f / 60);
  EXPECT_TRUE(now().sameProgress(before));
  EXPECT_FALSE(now().looksLike(before)) << "the old result went";

  b.levelIndex = levelSetSize() - 1;
  state.levelPause = true;
  state.pauseLeft = 0.0f;
  before = now();
  advancePlay(b, state, 1.0f / 60);  // the last level's pause ends the game
  EXPECT_EQ(state.screenState, ScreenState::GameOver);
  EXPECT_FALSE(now().sameProgress(before));
}

}  // namespace
