// The facts a traced label shows and where it stands: the shape's numbers,
// which limits a node's change ran into, and a place in the node's own
// square of the grid clear of nodes and arrowheads.
#include <gtest/gtest.h>

#include "puzzle/board.h"
#include "puzzle/chain_trace.h"
#include "puzzle/shape_numbers.h"
#include "puzzle/trace_place.h"
#include "tests/chain.h"

namespace {

// The label size guided play draws: 8.4 by 3.5 units.
constexpr float kWidth = 8.4f, kHeight = 3.5f;

struct TraceFacts : ::testing::Test {
  Board b;
  void SetUp() override {
    b.build();
    for (const auto& node : b.nodes) *node = Node{node->x, node->y};
  }
  Node* at(int row, int column) { return b.gridNode(row, column); }
};

TEST_F(TraceFacts, AShapesNumbersAreWrittenShortAndLongInOneOrder) {
  Shape shape;
  shape.size = 3.0f;
  shape.sides = 5;
  shape.hue = 200.0f;
  std::string shortForm, longForm;
  for (const QuantityFacts& facts : kQuantities) {
    shortForm += shortNumber(shape, facts) + " ";
    longForm += longNumber(shape, facts) + ", ";
  }
  EXPECT_EQ(shortForm, "s3 c5 h200 ");
  EXPECT_EQ(longForm, "size 3, 5 corners, hue 200, ");
  EXPECT_EQ(limitsText(), "size 2 to 8, 3 to 8 corners, hue 0 to 320");
}

TEST_F(TraceFacts, TheTraceSaysWhichQuantityEachNodesLimitCut) {
  b.startShape.size = 3.0f;
  b.startShape.sides = 7;
  b.startShape.hue = 300.0f;
  at(1, 0)->sizeDelta = -4.0f;  // 3 - 4 held at 2
  at(1, 1)->sidesDelta = 3;     // 7 + 3 held at 8
  at(1, 2)->hueDelta = 40.0f;   // 300 + 40 held at 320
  at(1, 3)->sizeDelta = -1.0f;  // 2 - 1 held at 2 again
  linkChain(b, {{1, 0}, {1, 1}, {1, 2}, {1, 3}});
  const std::vector<TracedNode> trace = traceChain(b);
  ASSERT_GE(trace.size(), 5u);
  const QuantityFacts& size = kQuantities[0];
  const QuantityFacts& corners = kQuantities[1];
  const QuantityFacts& hue = kQuantities[2];
  EXPECT_EQ(trace[0].clamps, 0u);  // the source changes nothing
  EXPECT_TRUE(wasClamped(trace[1].clamps, size));
  EXPECT_FALSE(wasClamped(trace[1].clamps, corners));
  EXPECT_TRUE(wasClamped(trace[2].clamps, corners));
  EXPECT_FALSE(wasClamped(trace[2].clamps, size));
  EXPECT_TRUE(wasClamped(trace[3].clamps, hue));
  EXPECT_TRUE(wasClamped(trace[4].clamps, size));
  EXPECT_EQ(trace[4].leaving.size, 2.0f);
  // -1 on size 3 is no cut.
  at(1, 0)->sizeDelta = -1.0f;
  EXPECT_EQ(traceChain(b)[1].clamps, 0u);
  EXPECT_EQ(traceChain(b)[1].leaving.size, 2.0f);
}

TEST_F(TraceFacts, AnUnlinkedNodesLabelStandsUnderItInItsOwnSquare) {
  for (int row = 0; row < gridRows; ++row)
    for (int column = 0; column < gridColumns; ++column) {
      const Node& node = *at(row, column);
      const WorldBox box = placeTraceLabel(b, node, kWidth, kHeight);
      EXPECT_TRUE(nearestToNode(b, node, box)) << row << ", " << column;
      EXPECT_FALSE(coversNodeOrArrowhead(b, box)) << row << ", " << column;
      EXPECT_LT(box.top, node.y) << "under it";
      EXPECT_FLOAT_EQ(box.right - box.left, kWidth);
      EXPECT_FLOAT_EQ(box.top - box.bottom, kHeight);
    }
}

TEST_F(TraceFacts, ALabelMovesOffTheArrowheadsAroundItsNode) {
  // (2, 1) entered from below, from the diagonal below-right and from the
  // left: every place under it covers a head, so the label goes over it.
  Node& node = *at(2, 1);
  at(3, 1)->next = &node;
  at(3, 2)->next = &node;
  at(2, 0)->next = &node;
  node.next = at(1, 2);
  const WorldBox box = placeTraceLabel(b, node, kWidth, kHeight);
  EXPECT_FALSE(coversNodeOrArrowhead(b, box));
  EXPECT_TRUE(nearestToNode(b, node, box));
  EXPECT_GT(box.bottom, node.y);
  // A hint's link counts like the board's own: entered from above by it as
  // well, no place is clear, and the label still keeps to its square.
  const WorldBox crowded =
      placeTraceLabel(b, node, kWidth, kHeight, {at(1, 1), &node});
  EXPECT_TRUE(nearestToNode(b, node, crowded));
  EXPECT_TRUE(coversNodeOrArrowhead(b, crowded, {at(1, 1), &node}));
}

TEST_F(TraceFacts, ABoxNearAnotherNodeIsNotNearestItsOwn) {
  const Node& node = *at(1, 1);
  const WorldBox between{node.x - 1.0f, node.y - 8.0f, node.x + 1.0f,
                         node.y - 4.0f};
  EXPECT_FALSE(nearestToNode(b, node, between));
  const WorldBox onNode{node.x - 1.0f, node.y - 1.0f, node.x + 1.0f,
                        node.y + 1.0f};
  EXPECT_TRUE(coversNodeOrArrowhead(b, onNode));
}

}  // namespace
