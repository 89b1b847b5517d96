// Enumerating legal chains from the source to the sink.
#include "puzzle/chain_search.h"

#include "puzzle/clamp.h"
#include "puzzle/link_reach.h"

namespace {

struct Search {
  Board& board;
  const std::function<void(const std::vector<Node*>&)>& visit;
  std::vector<Node*> chain;

  bool onChain(const Node* node) const {
    for (const Node* n : chain)
      if (n == node) return true;
    return false;
  }

  void extend() {
    Node* tail = chain.back();
    if (tail == board.sinkNode) {
      visit(chain);
      return;
    }
    for (const auto& candidate : board.nodes) {
      Node* next = candidate.get();
      if (next == board.sourceNode || onChain(next)) continue;
      if (!withinLinkReach(*tail, *next)) continue;
      tail->next = next;
      chain.push_back(next);
      extend();
      chain.pop_back();
      tail->next = nullptr;
    }
  }
};

}  // namespace

void forEachLegalChain(
    Board& board, const std::function<void(const std::vector<Node*>&)>& visit) {
  for (const auto& node : board.nodes) node->next = nullptr;
  Search search{board, visit, {board.sourceNode}};
  search.extend();
}

unsigned clampsAlong(const Board& board, const std::vector<Node*>& chain) {
  Shape working;
  working.copyFrom(board.startShape);
  unsigned clamps = 0;
  for (const Node* node : chain) clamps |= addAndClamp(working, *node);
  return clamps;
}

LevelSolutions solveLoadedLevel(Board& board) {
  LevelSolutions found;
  forEachLegalChain(board, [&](const std::vector<Node*>& chain) {
    ++found.legalChains;
    if (!board.evaluate()) return;
    ++found.solvingChains;
    if (!found.shortest.empty() &&
        chain.size() > found.shortest.front().size())
      return;
    if (!found.shortest.empty() && chain.size() < found.shortest.front().size())
      found.shortest.clear();
    found.shortest.push_back(chain);
  });
  return found;
}
