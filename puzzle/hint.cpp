// Hints from the chain search's solving chains.
#include "puzzle/hint.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "puzzle/chain_trace.h"

Hint findHint(const Board& board, const LevelSolutions& solutions) {
  std::vector<std::uint8_t> chain;
  for (const TracedNode& step : traceChain(board))
    chain.push_back(static_cast<std::uint8_t>(board.indexOf(step.node)));

  // One pass over the solutions: the longest start of the chain any of them
  // shares, and the shortest that shares all of it.
  const std::vector<std::uint8_t>& every = solutions.every;
  std::size_t longestShared = 0;
  std::size_t shortestLength = std::numeric_limits<std::size_t>::max();
  std::size_t shortestAt = 0;
  for (std::size_t at = 0; at < every.size();) {
    const std::size_t start = at;
    std::size_t shared = 0;
    while (shared < chain.size() && every[at] == chain[shared]) {
      ++shared;
      ++at;
    }
    while (every[at] != chainEnd) ++at;
    const std::size_t length = at - start;
    ++at;
    longestShared = std::max(longestShared, shared);
    if (shared == chain.size() && length < shortestLength) {
      shortestLength = length;
      shortestAt = start;
    }
  }
  const Node* last = board.node(chain.back());
  if (shortestLength != std::numeric_limits<std::size_t>::max()) {
    // A chain that is itself a solution leaves nothing to hint.
    if (shortestLength == chain.size()) return {};
    return {Hint::Kind::NextLink, last,
            board.node(every[shortestAt + chain.size()])};
  }
  // Every solution begins at the source; the link after the longest start
  // that some solution shares is the wrong one.
  if (longestShared == 0 || longestShared >= chain.size()) return {};
  return {Hint::Kind::WrongLink, board.node(chain[longestShared - 1]),
          board.node(chain[longestShared])};
}
