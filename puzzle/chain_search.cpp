// Enumerating legal chains from the source to the sink.
#include "puzzle/chain_search.h"

#include <algorithm>
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

using LinkTargets = std::array<std::vector<int>, boardNodeCount>;

// Entry i lists the nodes that node i may link to, in list order.
LinkTargets linkTargets(const Board& board) {
  LinkTargets targets;
  for (int from = 0; from < boardNodeCount; ++from) {
    for (int to = 0; to < boardNodeCount; ++to) {
      if (mayFollow(board, *board.node(from), *board.node(to)))
        targets[from].push_back(to);
    }
  }
  return targets;
}

// The chains of forEachLegalChain with the shape carried along: node i's
// links, the nodes on the chain as bits of a mask.
struct IncrementalSearch {
  const Board& board;
  LevelSolutions found;
  LinkTargets targets;
  std::vector<Node*> chain;

  void reachSink(const Shape& shape, unsigned clamps) {
    ++found.legalChains;
    if (!shape.equals(board.targetShape)) return;
    ++found.solvingChains;
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

// The same walk from a given chain, stopping at the first solution within a
// bound on the chain's nodes.
struct BoundedSearch {
  const Board& board;
  LinkTargets targets;
  // Links still needed from node i to reach the sink, ignoring which nodes
  // are taken: a lower bound that cuts chains too short to arrive.
  std::array<int, boardNodeCount> linksToSink{};
  std::vector<Node*> chain;
  int maxNodes = boardNodeCount;

  explicit BoundedSearch(const Board& on)
      : board(on), targets(linkTargets(on)) {
    constexpr int unreachable = boardNodeCount + 1;
    linksToSink.fill(unreachable);
    const int sink = board.indexOf(board.sinkNode);
    linksToSink[sink] = 0;
    for (int round = 0; round < boardNodeCount; ++round) {
      for (int from = 0; from < boardNodeCount; ++from)
        for (const int to : targets[from])
          linksToSink[from] = std::min(linksToSink[from], linksToSink[to] + 1);
    }
  }

  bool extend(int tail, std::uint32_t onChain, const Shape& shape) {
    if (board.node(tail) == board.sinkNode)
      return shape.equals(board.targetShape);
    for (const int next : targets[tail]) {
      if (onChain & (1u << next)) continue;
      if (static_cast<int>(chain.size()) + 1 + linksToSink[next] > maxNodes)
        continue;
      Node* node = board.node(next);
      Shape passed = shape;
      addAndClamp(passed, *node);
      chain.push_back(node);
      if (extend(next, onChain | (1u << next), passed)) return true;
      chain.pop_back();
    }
    return false;
  }

  // Sets chain to prefix and the search's state after it; false when the
  // prefix is not a chain the rules allow.
  bool start(const std::vector<Node*>& prefix, int& tail,
             std::uint32_t& onChain, Shape& shape) {
    if (prefix.empty() || prefix.front() != board.sourceNode) return false;
    shape.init();
    shape.copyFrom(board.startShape);
    onChain = 0;
    tail = -1;
    for (const Node* node : prefix) {
      const int index = board.indexOf(node);
      if (index < 0 || (onChain & (1u << index))) return false;
      if (tail >= 0 && (board.node(tail) == board.sinkNode ||
                        !mayFollow(board, *board.node(tail), *node)))
        return false;
      addAndClamp(shape, *node);
      onChain |= 1u << index;
      tail = index;
    }
    chain = prefix;
    return true;
  }

  std::vector<Node*> firstWithin(const std::vector<Node*>& prefix, int bound) {
    int tail = -1;
    std::uint32_t onChain = 0;
    Shape shape;
    if (!start(prefix, tail, onChain, shape)) return {};
    maxNodes = bound;
    if (static_cast<int>(chain.size()) + linksToSink[tail] > maxNodes)
      return {};
    return extend(tail, onChain, shape) ? chain : std::vector<Node*>{};
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

LevelSolutions solveLoadedLevel(const Board& board) {
  IncrementalSearch search{board, {}, linkTargets(board), {board.sourceNode}};
  Shape start;
  start.copyFrom(board.startShape);
  const unsigned clamps = addAndClamp(start, *board.sourceNode);
  search.extend(boardNodeCount - 2, 1u << (boardNodeCount - 2), start, clamps);
  return search.found;
}

std::vector<Node*> solutionFrom(const Board& board,
                                const std::vector<Node*>& prefix,
                                int maxNodes) {
  return BoundedSearch(board).firstWithin(prefix, maxNodes);
}

std::vector<Node*> shortestSolutionFrom(const Board& board,
                                        const std::vector<Node*>& prefix) {
  BoundedSearch search(board);
  for (int bound = static_cast<int>(prefix.size()); bound <= boardNodeCount;
       ++bound) {
    std::vector<Node*> found = search.firstWithin(prefix, bound);
    if (!found.empty()) return found;
  }
  return {};
}
