// The board as built and as each level loads it.
#include "puzzle/board.h"

#include <gtest/gtest.h>

#include "puzzle/game_state.h"
#include "puzzle/level_set.h"
#include "puzzle/levels.h"
#include "puzzle/link_editing.h"

namespace {

struct BoardTest : ::testing::Test {
  Board b;
  void SetUp() override { b.build(); }
};

TEST_F(BoardTest, BuildLaysOutGridThenSourceThenSink) {
  ASSERT_EQ(b.nodes.size(), 18u);
  for (int k = 0; k < 16; ++k) {
    EXPECT_FLOAT_EQ(b.node(k)->x, -18.0f + 12.0f * (k % 4)) << k;
    EXPECT_FLOAT_EQ(b.node(k)->y, 66.0f - 12.0f * (k / 4)) << k;
  }
  EXPECT_EQ(b.node(16), b.sourceNode);
  EXPECT_EQ(b.node(17), b.sinkNode);
  EXPECT_FLOAT_EQ(b.sourceNode->x, -30.0f);
  EXPECT_FLOAT_EQ(b.sinkNode->x, 30.0f);
  EXPECT_FLOAT_EQ(b.sourceNode->y, 48.0f);
  EXPECT_FLOAT_EQ(b.sinkNode->y, 48.0f);
  EXPECT_EQ(b.levelIndex, 0);
  EXPECT_FALSE(b.reachesSink);
  EXPECT_EQ(b.selectedNode, nullptr);
  EXPECT_EQ(b.hoveredNode, nullptr);
}

TEST_F(BoardTest, ShapesArePlacedAndResultKeepsInitValues) {
  EXPECT_FLOAT_EQ(b.startShape.x, -41.0f);
  EXPECT_FLOAT_EQ(b.startShape.y, 48.0f);
  EXPECT_FLOAT_EQ(b.resultShape.x, 41.0f);
  EXPECT_FLOAT_EQ(b.resultShape.y, 48.0f);
  EXPECT_FLOAT_EQ(b.targetShape.x, -22.0f);
  EXPECT_FLOAT_EQ(b.targetShape.y, 10.0f);
  EXPECT_EQ(b.resultShape.hue, 0.0f);
  EXPECT_EQ(b.resultShape.size, 1.0f);
  EXPECT_EQ(b.resultShape.sides, 3);
}

TEST_F(BoardTest, BuildingTwiceKeepsOneSetOfNodes) {
  b.build();
  EXPECT_EQ(b.nodes.size(), 18u);
  EXPECT_EQ(b.node(16), b.sourceNode);
}

// A build in the middle of making a link leaves no selection behind: the
// next hover and press work on the new nodes as from a fresh start.
TEST_F(BoardTest, BuildingAgainEndsLinkEditing) {
  gameState() = GameState{};
  b.pressAt(b.sourceNode->x, b.sourceNode->y, true, false, true);
  ASSERT_EQ(linkMode(), LinkMode::Linking);
  b.build();
  EXPECT_EQ(linkMode(), LinkMode::Idle);
  EXPECT_EQ(b.selectedNode, nullptr);
  b.hoverAt(b.node(0)->x, b.node(0)->y);
  EXPECT_TRUE(b.hoverValid);
  b.pressAt(b.node(0)->x, b.node(0)->y, true, false, true);
  EXPECT_EQ(b.selectedNode, b.node(0));
  linkMode() = LinkMode::Idle;
}

// Each level loads its shapes and every grid node's deltas from the game's
// table; the table itself is checked cell by cell against the designed
// pack. The source and sink never change a shape.
TEST_F(BoardTest, EveryLevelLoadsItsTables) {
  for (int index = 0; index < levelCount; ++index) {
    SCOPED_TRACE(index);
    const Level& level = builtInLevels[index];
    b.levelIndex = index;
    b.loadLevel();
    EXPECT_EQ(b.startShape.hue, level.startHue);
    EXPECT_EQ(b.startShape.sides, level.startSides);
    EXPECT_EQ(b.startShape.size, level.startSize);
    EXPECT_EQ(b.targetShape.hue, level.targetHue);
    EXPECT_EQ(b.targetShape.sides, level.targetSides);
    EXPECT_EQ(b.targetShape.size, level.targetSize);
    for (int k = 0; k < gridNodeCount; ++k) {
      EXPECT_EQ(b.node(k)->sizeDelta, level.deltas[k].sizeDelta) << k;
      EXPECT_EQ(b.node(k)->sidesDelta, level.deltas[k].sidesDelta) << k;
      EXPECT_EQ(b.node(k)->hueDelta, level.deltas[k].hueDelta) << k;
    }
    for (Node* terminal : {b.sourceNode, b.sinkNode}) {
      EXPECT_EQ(terminal->sizeDelta, 0.0f);
      EXPECT_EQ(terminal->sidesDelta, 0);
      EXPECT_EQ(terminal->hueDelta, 0.0f);
    }
  }
}

TEST_F(BoardTest, LoadingRemovesLinksButKeepsSelectionHoverAndResult) {
  b.sourceNode->next = b.node(0);
  b.node(0)->next = b.node(1);
  b.node(15)->next = b.sinkNode;
  b.selectedNode = b.node(5);
  b.hoveredNode = b.node(6);
  b.hoverValid = true;
  b.resultShape.size = 7.0f;
  b.levelIndex = 3;
  b.loadLevel();
  for (const auto& node : b.nodes) EXPECT_EQ(node->next, nullptr);
  EXPECT_EQ(b.selectedNode, b.node(5));
  EXPECT_EQ(b.hoveredNode, b.node(6));
  EXPECT_TRUE(b.hoverValid);
  EXPECT_EQ(b.resultShape.size, 7.0f);
}

TEST_F(BoardTest, RestartFromAnyLevelGivesLevelOneWithoutLinks) {
  for (int level : {0, 3, 5, 6}) {
    b.levelIndex = level;
    b.node(4)->next = b.node(5);
    b.restart();
    EXPECT_EQ(b.levelIndex, 0);
    EXPECT_EQ(b.node(4)->next, nullptr);
    EXPECT_EQ(b.targetShape.size, 6.0f);
    EXPECT_EQ(b.node(0)->sizeDelta, 4.0f);
  }
}

TEST_F(BoardTest, LoadingAnIndexPastTheTablesChangesNothing) {
  b.node(4)->next = b.node(5);
  b.levelIndex = levelCount;
  b.loadLevel();
  EXPECT_EQ(b.node(4)->next, b.node(5));
  EXPECT_EQ(b.targetShape.size, 6.0f);
  EXPECT_EQ(&levelOrLast(levelCount), &levelSet().back());
}

}  // namespace
