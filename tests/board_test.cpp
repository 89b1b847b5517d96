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

// The table as given for each level, spot-checked against cells that are easy
// to get wrong when transcribing, plus the shapes and node colour.
TEST_F(BoardTest, EveryLevelLoadsItsTables) {
  struct Expected {
    float startHue;
    int startSides;
    float startSize;
    float targetHue;
    int targetSides;
    float targetSize;
    float red, green, blue;
    int cell;
    float sizeDelta;
    int sidesDelta;
    float hueDelta;
  };
  const Expected expected[levelCount] = {
      {0, 4, 2, 0, 4, 6, 0, 0, 1, 2, -6, 0, 0},
      {60, 4, 8, 60, 8, 4, 1, 0, 0, 12, 0, 3, 0},
      {60, 7, 3, 180, 3, 5, 0, 1, 0, 11, 0, 0, -120},
      {120, 5, 2, 240, 6, 4, 1, 1, 0, 8, 0, 0, 120},
      {300, 6, 7, 180, 4, 5, 1, 0, 1, 15, 4, -1, 0},
      {120, 5, 4, 120, 5, 4, 1, 0.5f, 0, 6, -2, 1, -120},
  };
  for (int level = 0; level < levelCount; ++level) {
    SCOPED_TRACE(level);
    const Expected& e = expected[level];
    b.levelIndex = level;
    b.loadLevel();
    EXPECT_EQ(b.startShape.hue, e.startHue);
    EXPECT_EQ(b.startShape.sides, e.startSides);
    EXPECT_EQ(b.startShape.size, e.startSize);
    EXPECT_EQ(b.targetShape.hue, e.targetHue);
    EXPECT_EQ(b.targetShape.sides, e.targetSides);
    EXPECT_EQ(b.targetShape.size, e.targetSize);
    EXPECT_EQ(builtInLevels[level].nodeRed, e.red);
    EXPECT_EQ(builtInLevels[level].nodeGreen, e.green);
    EXPECT_EQ(builtInLevels[level].nodeBlue, e.blue);
    EXPECT_EQ(b.node(e.cell)->sizeDelta, e.sizeDelta);
    EXPECT_EQ(b.node(e.cell)->sidesDelta, e.sidesDelta);
    EXPECT_EQ(b.node(e.cell)->hueDelta, e.hueDelta);
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
