// Every level can be solved by some chain the link rules allow, and the
// level checker's search sees the chains the rules allow.
#include <gtest/gtest.h>

#include "puzzle/board.h"
#include "puzzle/chain_search.h"
#include "puzzle/clamp.h"
#include "puzzle/levels.h"
#include "tests/solving_chains.h"

namespace {

std::vector<Node*> chainOf(const Board& board, Cells cells) {
  std::vector<Node*> chain = {board.sourceNode};
  for (const auto& [row, column] : cells)
    chain.push_back(board.gridNode(row, column));
  chain.push_back(board.sinkNode);
  return chain;
}

// The level checker's claims: every level solvable, the shortest solutions
// really solve, and the chains the other tests rely on are legal solutions.
TEST(Solvability, EveryLevelHasLegalSolvingChainsIncludingTheListedOne) {
  Board board;
  board.build();
  long chainsInFirstLevel = -1;
  for (int level = 0; level < levelCount; ++level) {
    SCOPED_TRACE(level + 1);
    board.levelIndex = level;
    board.loadLevel();
    const std::vector<Node*> listed = chainOf(board, solvingChains[level]);
    bool listedFound = false;
    forEachLegalChain(board, [&](const std::vector<Node*>& chain) {
      if (chain == listed) listedFound = board.evaluate();
    });
    EXPECT_TRUE(listedFound);

    const LevelSolutions found = solveLoadedLevel(board);
    EXPECT_GT(found.solvingChains, 0);
    ASSERT_FALSE(found.shortest.empty());
    EXPECT_LE(found.shortest.front().size(), listed.size());
    for (const auto& chain : found.shortest) {
      for (std::size_t i = 0; i + 1 < chain.size(); ++i)
        chain[i]->next = chain[i + 1];
      EXPECT_TRUE(board.evaluate());
      board.loadLevel();
    }
    // The board's shape is the same in every level, so is the number of
    // legal chains; a search that missed part of the grid would find few.
    if (chainsInFirstLevel < 0) chainsInFirstLevel = found.legalChains;
    EXPECT_EQ(found.legalChains, chainsInFirstLevel);
    EXPECT_GT(found.legalChains, 1000000);
  }
}

TEST(Solvability, TheSearchFollowsTheLinkRules) {
  Board board;
  board.build();
  std::size_t shortest = 1000;
  long shortestCount = 0;
  forEachLegalChain(board, [&](const std::vector<Node*>& chain) {
    // Only the right column reaches the sink; only the left column is
    // reached from the source.
    const Node* first = chain[1];
    const Node* last = chain[chain.size() - 2];
    EXPECT_EQ(first->x, -18.0f);
    EXPECT_EQ(last->x, 18.0f);
    if (chain.size() < shortest) {
      shortest = chain.size();
      shortestCount = 0;
    }
    if (chain.size() == shortest) ++shortestCount;
  });
  // The shortest chains cross one column per link: source, four grid nodes
  // each a row up, down or level with the last, sink. From four starting
  // rows that gives 4 -> 10 -> 26 -> 68 walks.
  EXPECT_EQ(shortest, 6u);
  EXPECT_EQ(shortestCount, 68);
  for (const auto& node : board.nodes) EXPECT_EQ(node->next, nullptr);
}

TEST(Solvability, ClampsAlongTheListedChainsAreTheOnesTheLevelsUse) {
  Board board;
  board.build();
  EXPECT_EQ(clampsAlong(board, chainOf(board, solvingChains[0])),
            unsigned{sizeRaised});
  board.levelIndex = 1;
  board.loadLevel();
  EXPECT_EQ(clampsAlong(board, chainOf(board, solvingChains[1])), 0u);
  board.levelIndex = 3;
  board.loadLevel();
  EXPECT_EQ(clampsAlong(board, chainOf(board, solvingChains[3])),
            unsigned{sizeRaised});
}

}  // namespace
