// Enumerating legal chains from the source to the sink.
#include "puzzle/chain_search.h"

#include <array>
#include <cstdint>
#include <limits>
#include <utility>

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

void ChainSearch::start(const Board& searched, bool keepEveryChain) {
  board = &searched;
  keepEvery = keepEveryChain;
  found = {};
  for (int from = 0; from < boardNodeCount; ++from) {
    targets[from].clear();
    for (int to = 0; to < boardNodeCount; ++to) {
      if (mayFollow(searched, *searched.node(from), *searched.node(to)))
        targets[from].push_back(to);
    }
  }
  Shape shape;
  shape.copyFrom(searched.startShape);
  const unsigned clamps = addAndClamp(shape, *searched.sourceNode);
  const int source = boardNodeCount - 2;
  chain = {searched.sourceNode};
  walk = {{source, 1u << source, shape, clamps, 0}};
  stepsWalked = 0;
}

void ChainSearch::reachSink(const Shape& shape, unsigned clamps) {
  ++found.legalChains;
  if (!shape.equals(board->targetShape)) return;
  ++found.solvingChains;
  if (keepEvery) {
    for (const Node* node : chain)
      found.every.push_back(static_cast<std::uint8_t>(board->indexOf(node)));
    found.every.push_back(chainEnd);
  }
  if (clamps == 0) found.solvableWithoutClamp = true;
  auto& shortest = found.shortest;
  if (!shortest.empty() && chain.size() > shortest.front().size()) return;
  if (!shortest.empty() && chain.size() < shortest.front().size())
    shortest.clear();
  shortest.push_back(chain);
}

bool ChainSearch::advance(long steps) {
  for (; steps > 0 && !walk.empty(); --steps) {
    ++stepsWalked;
    Step& top = walk.back();
    const bool atSink = board->node(top.tail) == board->sinkNode;
    if (atSink) reachSink(top.shape, top.clamps);
    if (atSink || top.nextTarget == targets[top.tail].size()) {
      walk.pop_back();
      chain.pop_back();
      continue;
    }
    const int next = targets[top.tail][top.nextTarget++];
    if (top.onChain & (1u << next)) continue;
    Node* node = board->node(next);
    Step passed{next, top.onChain | (1u << next), top.shape, top.clamps, 0};
    passed.clamps |= addAndClamp(passed.shape, *node);
    chain.push_back(node);
    walk.push_back(passed);
  }
  return walk.empty();
}

LevelSolutions solveLoadedLevel(const Board& board, bool keepEvery) {
  ChainSearch search;
  search.start(board, keepEvery);
  while (!search.advance(std::numeric_limits<long>::max())) {
  }
  return std::move(search.found);
}
