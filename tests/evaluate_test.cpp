// Chain evaluation, clamping and the solution test.
#include <gtest/gtest.h>

#include "puzzle/board.h"
#include "puzzle/levels.h"
#include "tests/chain.h"
#include "tests/solving_chains.h"

namespace {

struct EvaluateTest : ::testing::Test {
  Board b;
  void SetUp() override { b.build(); }
  void load(int level) {
    b.levelIndex = level;
    b.loadLevel();
  }
};

TEST_F(EvaluateTest, TheListedChainSolvesEachLevel) {
  for (int level = 0; level < levelCount; ++level) {
    load(level);
    linkChain(b, solvingChains[level]);
    EXPECT_TRUE(b.evaluate()) << "level " << level + 1;
    EXPECT_TRUE(b.reachesSink);
    EXPECT_TRUE(b.resultShape.equals(b.targetShape));
  }
}

TEST_F(EvaluateTest, LevelOneWorkedExampleNeedsTheClampAtEveryNode) {
  load(0);
  linkChain(b, solvingChains[0]);
  ASSERT_TRUE(b.evaluate());
  EXPECT_EQ(b.resultShape.size, 6.0f);
  EXPECT_EQ(b.resultShape.hue, 0.0f);
  EXPECT_EQ(b.resultShape.sides, 4);

  // The same nodes in another order clamp elsewhere: 2 - 4 is raised to 2,
  // then + 4 - 2 + 4 gives 8.
  load(0);
  linkChain(b, {{1, 1}, {0, 0}, {1, 2}, {2, 3}});
  EXPECT_FALSE(b.evaluate());
  EXPECT_TRUE(b.reachesSink);
  EXPECT_EQ(b.resultShape.size, 8.0f);
}

TEST_F(EvaluateTest, ClampsFollowEveryNodeInOrder) {
  load(0);
  b.startShape.size = 8.0f;
  b.gridNode(0, 0)->sizeDelta = 4.0f;
  b.gridNode(1, 0)->sizeDelta = -2.0f;
  b.gridNode(0, 0)->hueDelta = -60.0f;  // 300 - 60 = 240
  b.startShape.hue = 300.0f;
  b.gridNode(1, 0)->hueDelta = 0.0f;
  b.startShape.sides = 7;
  b.gridNode(0, 0)->sidesDelta = 1;
  b.gridNode(1, 0)->sidesDelta = 1;
  linkChain(b, {{0, 0}, {1, 0}, {2, 1}, {2, 2}, {2, 3}});
  b.gridNode(2, 1)->sizeDelta = 0.0f;
  b.gridNode(2, 2)->sizeDelta = 0.0f;
  b.gridNode(2, 3)->sizeDelta = 0.0f;
  b.gridNode(2, 1)->hueDelta = 60.0f;   // 240 + 60 = 300
  b.gridNode(2, 2)->hueDelta = 60.0f;   // 300 + 60 capped at 320
  b.gridNode(2, 3)->hueDelta = -60.0f;  // 320 - 60 = 260
  b.evaluate();
  ASSERT_TRUE(b.reachesSink);
  EXPECT_EQ(b.resultShape.size, 6.0f);  // 8 + 4 capped at 8, then - 2
  EXPECT_EQ(b.resultShape.sides, 8);    // 7 + 1 + 1 capped
  EXPECT_EQ(b.resultShape.hue, 260.0f);
}

TEST_F(EvaluateTest, SidesClampAtThreeAndHueAtZero) {
  load(0);
  b.gridNode(1, 0)->sidesDelta = -2;  // 4 - 2 = 2, raised to 3
  b.gridNode(1, 0)->hueDelta = -60.0f;
  linkChain(b, {{1, 0}, {1, 1}, {1, 2}, {1, 3}});
  b.evaluate();
  ASSERT_TRUE(b.reachesSink);
  EXPECT_EQ(b.resultShape.sides, 3);
  EXPECT_EQ(b.resultShape.hue, 0.0f);
}

TEST_F(EvaluateTest, NoLinksOrAShortChainNeverReachesTheSink) {
  load(0);
  b.resultShape.size = 5.0f;
  EXPECT_FALSE(b.evaluate());
  EXPECT_FALSE(b.reachesSink);
  b.sourceNode->next = b.gridNode(0, 0);
  b.gridNode(0, 0)->next = b.gridNode(1, 1);
  EXPECT_FALSE(b.evaluate());
  EXPECT_FALSE(b.reachesSink);
  EXPECT_EQ(b.resultShape.size, 5.0f);
}

TEST_F(EvaluateTest, LoopsAreRejectedWithTheResultUntouched) {
  load(0);
  linkChain(b, solvingChains[0]);
  ASSERT_TRUE(b.evaluate());
  const Shape before = b.resultShape;
  // Three-node loop entered from the chain: (0,0) -> (0,1) -> (1,1) -> (0,0).
  b.gridNode(0, 0)->next = b.gridNode(0, 1);
  b.gridNode(0, 1)->next = b.gridNode(1, 1);
  b.gridNode(1, 1)->next = b.gridNode(0, 0);
  EXPECT_TRUE(b.hasCycle());
  EXPECT_FALSE(b.evaluate());
  EXPECT_FALSE(b.reachesSink);
  EXPECT_EQ(b.resultShape.size, before.size);
  EXPECT_EQ(b.resultShape.red, before.red);

  // A longer loop further down the chain.
  load(0);
  linkChain(b, {{1, 0}, {2, 0}, {2, 1}, {2, 2}, {1, 2}, {1, 1}});
  b.gridNode(1, 1)->next = b.gridNode(2, 1);
  EXPECT_TRUE(b.hasCycle());
  EXPECT_FALSE(b.evaluate());
}

TEST_F(EvaluateTest, LinksOffTheChainPlayNoPart) {
  load(0);
  b.gridNode(3, 3)->next = b.gridNode(3, 2);
  b.gridNode(3, 2)->next = b.gridNode(2, 2);
  b.gridNode(2, 2)->next = b.gridNode(3, 3);  // a loop nobody reaches
  linkChain(b, solvingChains[0]);
  EXPECT_FALSE(b.hasCycle());
  EXPECT_TRUE(b.evaluate());
}

TEST_F(EvaluateTest, WrongShapeAtTheSinkShowsTheResultWithoutSolving) {
  load(0);
  linkChain(b, {{0, 0}, {0, 1}, {0, 2}, {0, 3}});  // 2+4+2 = 8, -6, +2
  EXPECT_FALSE(b.evaluate());
  EXPECT_TRUE(b.reachesSink);
  EXPECT_EQ(b.resultShape.size, 4.0f);
  EXPECT_EQ(b.resultShape.sides, 4);
  // The colour is refreshed with the shape.
  EXPECT_EQ(b.resultShape.red, 1.0f);
  EXPECT_EQ(b.resultShape.green, 0.0f);
  // Position is the result's own, not the start's.
  EXPECT_EQ(b.resultShape.x, 41.0f);
}

TEST_F(EvaluateTest, LevelSixStartEqualsTargetButNeedsAChainToTheSink) {
  load(5);
  EXPECT_TRUE(b.startShape.equals(b.targetShape));
  EXPECT_FALSE(b.evaluate());
  linkChain(b, solvingChains[5]);
  EXPECT_TRUE(b.evaluate());
}

TEST_F(EvaluateTest, TheStartShapeIsNeverChanged) {
  load(2);
  linkChain(b, solvingChains[2]);
  b.evaluate();
  EXPECT_EQ(b.startShape.hue, 60.0f);
  EXPECT_EQ(b.startShape.sides, 7);
  EXPECT_EQ(b.startShape.size, 3.0f);
}

}  // namespace
