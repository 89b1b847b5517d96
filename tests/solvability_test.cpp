// Every level can be solved by some chain the link rules allow.
#include <gtest/gtest.h>

#include <vector>

#include "puzzle/board.h"
#include "puzzle/levels.h"
#include "puzzle/link_reach.h"

namespace {

struct ChainSearch {
  Board& board;
  std::vector<bool> onChain = std::vector<bool>(boardNodeCount, false);
  long chainsToSink = 0;
  long solutions = 0;

  int indexOf(const Node* node) const {
    for (int k = 0; k < boardNodeCount; ++k)
      if (board.node(k) == node) return k;
    return -1;
  }

  // Extends the chain ending at tail by every legal link to an unused node;
  // nothing links into the source and the sink has no outgoing link.
  void extend(Node* tail) {
    if (tail == board.sinkNode) {
      ++chainsToSink;
      if (board.evaluate()) ++solutions;
      return;
    }
    for (int k = 0; k < boardNodeCount; ++k) {
      Node* next = board.node(k);
      if (next == board.sourceNode || onChain[k]) continue;
      if (!withinLinkReach(*tail, *next)) continue;
      onChain[k] = true;
      tail->next = next;
      extend(next);
      tail->next = nullptr;
      onChain[k] = false;
    }
  }
};

TEST(Solvability, EveryLevelHasALegalSolvingChain) {
  Board board;
  board.build();
  long chainsPerLevel = -1;
  for (int level = 0; level < levelCount; ++level) {
    board.levelIndex = level;
    board.loadLevel();
    ChainSearch search{board};
    search.onChain[search.indexOf(board.sourceNode)] = true;
    search.extend(board.sourceNode);
    EXPECT_GT(search.solutions, 0) << "level " << level + 1;
    // The board's shape is the same in every level, so is the number of
    // chains; it is large enough that the search is not trivially empty.
    if (chainsPerLevel < 0) chainsPerLevel = search.chainsToSink;
    EXPECT_EQ(search.chainsToSink, chainsPerLevel);
    EXPECT_GT(search.chainsToSink, 1000000);
  }
}

}  // namespace
