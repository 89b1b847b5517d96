// Enumerating legal chains from the source to the sink.
#include "puzzle/chain_search.h"

#include <array>
#include <cstdint>

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
      if (onChain(next) || !mayFollow(board, *tail, *next)) continue;
      tail->next = next;
      chain.push_back(next);
      extend();
      chain.pop_back();
      tail->next = nullptr;
    }
  }
};

// The chains of forEachLegalChain with the shape carried along: node i's
// links, the nodes on the chain as bits of a mask.
struct IncrementalSearch {
  const Board& board;
  bool keepEvery;
  LevelSolutions found;
  std::array<std::vector<int>, boardNodeCount> targets;
  std::vector<Node*> chain;

  void linkTargets() {
    for (int from = 0; from < boardNodeCount; ++from) {
      for (int to = 0; to < boardNodeCount; ++to) {
        if (mayFollow(board, *board.node(from), *board.node(to)))
          targets[from].push_back(to);
      }
    }
  }

  void reachSink(const Shape& shape, unsigned clamps) {
    ++found.legalChains;
    if (!shape.equals(board.targetShape)) return;
    ++found.solvingChains;
    if (keepEvery) {
      for (const Node* node : chain)
        found.every.push_back(static_cast<std::uint8_t>(board.indexOf(node)));
      found.every.push_back(chainEnd);
    }
    if (clamps == 0) found.solvableWithoutClamp = true;
    auto& shortest = found.shortest;
    if (!shortest.empty() && chain.size() > shortest.front().size()) return;
    if (!shortest.empty() && chain.size() < shortest.front().size())
      shortest.clear();
    shortest.push_back(chain);
  }

  void extend(int tail, std::uint32_t onChain, const Shape& shape,
              unsigned clamps) {
    if (board.node(tail) == board.sinkNode) {
      reachSink(shape, clamps);
      return;
    }
    for (const int next : targets[tail]) {
      if (onChain & (1u << next)) continue;
      Node* node = board.node(next);
      Shape passed = shape;
      const unsigned more = addAndClamp(passed, *node);
      chain.push_back(node);
      extend(next, onChain | (1u << next), passed, clamps | more);
      chain.pop_back();
    }
  }
};

}  // namespace

bool mayFollow(const Board& board, const Node& from, const Node& to) {
  return &to != board.sourceNode && withinLinkReach(from, to);
}

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

LevelSolutions solveLoadedLevel(const Board& board, bool keepEvery) {
  IncrementalSearch search{board, keepEvery, {}, {}, {board.sourceNode}};
  search.linkTargets();
  Shape start;
  start.copyFrom(board.startShape);
  const unsigned clamps = addAndClamp(start, *board.sourceNode);
  search.extend(boardNodeCount - 2, 1u << (boardNodeCount - 2), start, clamps);
  return search.found;
}
