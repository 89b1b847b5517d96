// Link editing: the rules a player meets when clicking nodes.
#include "puzzle/link_editing.h"

#include <gtest/gtest.h>

#include "puzzle/board.h"
#include "puzzle/game_state.h"

namespace {

struct LinkEditingTest : ::testing::Test {
  Board b;
  void SetUp() override {
    b.build();
    linkMode() = LinkMode::Idle;
    gameState() = GameState{};
  }
  // A left press a little off the node's centre, as a real click lands.
  void click(const Node* node) {
    b.pressAt(node->x + 1, node->y - 1, true, false, true);
  }
  void hover(const Node* node) { b.hoverAt(node->x, node->y + 2); }
  Node* at(int row, int column) { return b.gridNode(row, column); }
};

TEST_F(LinkEditingTest, PickingFindsTheNodeWithinFourUnits) {
  EXPECT_EQ(b.nearestNode(-18, 66), at(0, 0));
  EXPECT_EQ(b.nearestNode(-18 + 4, 66), at(0, 0));  // exactly on the radius
  EXPECT_EQ(b.nearestNode(-18 + 2.8f, 66 + 2.8f), at(0, 0));
  EXPECT_EQ(b.nearestNode(-18 + 3, 66 + 3), nullptr);
  EXPECT_EQ(b.nearestNode(-30, 48), b.sourceNode);
  EXPECT_EQ(b.nearestNode(30, 48), b.sinkNode);
  EXPECT_EQ(b.nearestNode(0, 0), nullptr);
}

TEST_F(LinkEditingTest, PickingKeepsTheFirstFoundOnATie) {
  at(0, 1)->x = at(0, 0)->x + 4;  // both 2 units from the midpoint
  EXPECT_EQ(b.nearestNode(at(0, 0)->x + 2, 66), at(0, 0));
  EXPECT_EQ(b.nearestNode(at(0, 0)->x + 2.5f, 66), at(0, 1));
}

TEST_F(LinkEditingTest, SelectThenLinkANeighbour) {
  click(at(1, 1));
  EXPECT_EQ(linkMode(), LinkMode::Linking);
  EXPECT_EQ(b.selectedNode, at(1, 1));
  click(at(2, 2));  // diagonal neighbour
  EXPECT_EQ(at(1, 1)->next, at(2, 2));
  EXPECT_EQ(b.selectedNode, nullptr);
  EXPECT_EQ(linkMode(), LinkMode::Idle);
}

TEST_F(LinkEditingTest, RefusedPressesKeepTheSelection) {
  click(at(1, 1));
  b.pressAt(0, 0, true, false, true);  // far from every node
  click(at(1, 3));                     // two columns away
  click(at(3, 1));                     // two rows away
  click(b.sourceNode);                 // nothing links into the source
  EXPECT_EQ(b.selectedNode, at(1, 1));
  EXPECT_EQ(linkMode(), LinkMode::Linking);
  EXPECT_EQ(at(1, 1)->next, nullptr);
}

TEST_F(LinkEditingTest, ThePressesThatDoNothingInIdle) {
  b.pressAt(0, 0, true, false, true);
  click(b.sinkNode);
  EXPECT_EQ(linkMode(), LinkMode::Idle);
  EXPECT_EQ(b.selectedNode, nullptr);
}

TEST_F(LinkEditingTest, ReleasesAndOtherButtonsChangeNothing) {
  const Node* n = at(1, 1);
  b.pressAt(n->x, n->y, true, false, false);  // left release
  b.pressAt(n->x, n->y, false, true, true);   // right press
  b.pressAt(n->x, n->y, false, false, true);  // middle press
  EXPECT_EQ(linkMode(), LinkMode::Idle);
  click(at(1, 1));
  const Node* m = at(1, 2);
  b.pressAt(m->x, m->y, false, true, true);
  b.pressAt(m->x, m->y, false, false, false);
  EXPECT_EQ(b.selectedNode, at(1, 1));
  EXPECT_EQ(at(1, 1)->next, nullptr);
}

TEST_F(LinkEditingTest, TheSourceLinksToTheLeftColumnAndUnlinksItself) {
  for (int row = 0; row < 4; ++row) {
    click(b.sourceNode);
    click(at(row, 0));
    EXPECT_EQ(b.sourceNode->next, at(row, 0)) << row;
  }
  click(b.sourceNode);
  click(at(1, 1));  // out of the source's reach
  EXPECT_EQ(b.selectedNode, b.sourceNode);
  click(b.sourceNode);  // pressed again: its link goes
  EXPECT_EQ(b.sourceNode->next, nullptr);
  EXPECT_EQ(linkMode(), LinkMode::Idle);
}

TEST_F(LinkEditingTest, TheRightColumnLinksToTheSinkButTheSourceCannot) {
  click(at(3, 3));
  click(b.sinkNode);
  EXPECT_EQ(at(3, 3)->next, b.sinkNode);
  click(b.sourceNode);
  click(b.sinkNode);
  EXPECT_EQ(b.sourceNode->next, nullptr);
  EXPECT_EQ(b.selectedNode, b.sourceNode);
}

TEST_F(LinkEditingTest, NoLinkBackAndLinksMove) {
  click(at(0, 0));
  click(at(0, 1));
  click(at(0, 1));
  click(at(0, 0));  // would make the two link to each other
  EXPECT_EQ(at(0, 1)->next, nullptr);
  EXPECT_EQ(b.selectedNode, at(0, 1));
  click(at(0, 1));  // deselect (removing the link it does not have)
  click(at(0, 0));
  click(at(1, 0));  // moves the first node's link
  EXPECT_EQ(at(0, 0)->next, at(1, 0));
}

TEST_F(LinkEditingTest, AnyNumberOfLinksMayPointAtOneNode) {
  for (Node* from : {at(0, 0), at(0, 2), at(1, 0), at(2, 2)}) {
    click(from);
    click(at(1, 1));
  }
  EXPECT_EQ(at(0, 0)->next, at(1, 1));
  EXPECT_EQ(at(2, 2)->next, at(1, 1));
}

TEST_F(LinkEditingTest, AThreeNodeLoopCanBeBuiltAndIsRejected) {
  click(b.sourceNode);
  click(at(0, 0));
  click(at(0, 0));
  click(at(0, 1));
  click(at(0, 1));
  click(at(1, 1));
  click(at(1, 1));
  click(at(0, 0));
  EXPECT_EQ(at(1, 1)->next, at(0, 0));
  EXPECT_TRUE(b.hasCycle());
  EXPECT_FALSE(b.evaluate());
  EXPECT_FALSE(b.reachesSink);
}

TEST_F(LinkEditingTest, PressesDuringThePauseChangeNothingWhileHoverFollows) {
  gameState().levelPause = true;
  click(at(1, 1));
  EXPECT_EQ(linkMode(), LinkMode::Idle);
  EXPECT_EQ(b.selectedNode, nullptr);
  hover(at(2, 2));
  EXPECT_EQ(b.hoveredNode, at(2, 2));
  b.hoverAt(0, 0);
  EXPECT_EQ(b.hoveredNode, nullptr);
}

TEST_F(LinkEditingTest, HoverInIdleIsValidOnAllButTheSink) {
  hover(b.sinkNode);
  EXPECT_EQ(b.hoveredNode, b.sinkNode);
  EXPECT_FALSE(b.hoverValid);
  b.hoverAt(0, 0);
  EXPECT_EQ(b.hoveredNode, nullptr);
  EXPECT_TRUE(b.hoverValid);
  hover(b.sourceNode);
  EXPECT_TRUE(b.hoverValid);
}

TEST_F(LinkEditingTest, HoverWhileLinkingFollowsReachOnly) {
  click(at(1, 1));
  hover(at(1, 2));
  EXPECT_TRUE(b.hoverValid);
  hover(at(1, 3));
  EXPECT_FALSE(b.hoverValid);
  b.hoverAt(0, 0);  // off every node: the flag keeps its value
  EXPECT_FALSE(b.hoverValid);
  hover(at(1, 1));  // the selected node shows not valid, yet unlinks
  EXPECT_FALSE(b.hoverValid);
  click(at(1, 1));  // deselect
  click(at(1, 0));
  click(at(1, 1));  // (1,0) -> (1,1)
  click(at(1, 1));
  hover(at(1, 0));  // shows valid, though a press would be refused
  EXPECT_TRUE(b.hoverValid);
  hover(b.sourceNode);
  EXPECT_FALSE(b.hoverValid);
}

TEST_F(LinkEditingTest, APressNeverUpdatesTheHoverMark) {
  click(at(1, 3));
  hover(b.sinkNode);
  EXPECT_TRUE(b.hoverValid);
  click(b.sinkNode);
  EXPECT_EQ(at(1, 3)->next, b.sinkNode);
  EXPECT_TRUE(b.hoverValid);  // computed while linking, until the next move
  hover(b.sinkNode);
  EXPECT_FALSE(b.hoverValid);
}

TEST_F(LinkEditingTest, ALevelLoadKeepsLinkModeAndSelection) {
  click(at(2, 2));
  b.levelIndex = 1;
  b.loadLevel();
  EXPECT_EQ(linkMode(), LinkMode::Linking);
  EXPECT_EQ(b.selectedNode, at(2, 2));
}

}  // namespace

namespace {

// Guided play's hover rule: the mark tells whether a press would change
// anything, where the classic rule shows only the link's reach.
struct HoverRuleTest : LinkEditingTest {
  void TearDown() override { hoverRule() = HoverRule::ReachOnly; }
};

TEST_F(HoverRuleTest, ARefusedLinkBackIsMarkedRefusedOnlyUnderThePressRule) {
  click(at(1, 1));
  click(at(1, 0));  // (1, 1) links to (1, 0)
  click(at(1, 0));  // (1, 0) selected
  hover(at(1, 1));
  EXPECT_TRUE(b.hoverValid) << "the classic game's mark stays as it was";
  EXPECT_FALSE(pressWouldChange(b, at(1, 1)));
  hoverRule() = HoverRule::PressEffect;
  hover(at(1, 1));
  EXPECT_FALSE(b.hoverValid);
  click(at(1, 1));  // and indeed the press changes nothing
  EXPECT_EQ(at(1, 0)->next, nullptr);
  EXPECT_EQ(b.selectedNode, at(1, 0));
}

TEST_F(HoverRuleTest, UnderThePressRuleEveryMarkSaysWhatAPressWouldDo) {
  hoverRule() = HoverRule::PressEffect;
  hover(b.sinkNode);  // nothing selected: the sink cannot be selected
  EXPECT_FALSE(b.hoverValid);
  hover(b.sourceNode);
  EXPECT_TRUE(b.hoverValid);
  click(b.sourceNode);
  hover(b.sourceNode);  // pressed again, the selection ends: a change
  EXPECT_TRUE(b.hoverValid);
  hover(at(1, 0));  // within reach
  EXPECT_TRUE(b.hoverValid);
  hover(at(1, 2));  // two columns away
  EXPECT_FALSE(b.hoverValid);
  // A press during the level pause changes nothing; judgeHover says so
  // under the still pointer.
  hover(at(1, 0));
  gameState().levelPause = true;
  judgeHover(b);
  EXPECT_FALSE(b.hoverValid);
  EXPECT_FALSE(pressWouldChange(b, nullptr));
}

}  // namespace
