// Hints from the chain search.
#include "puzzle/hint.h"

#include <vector>

#include "puzzle/chain_search.h"
#include "puzzle/chain_trace.h"

Hint findHint(const Board& board) {
  std::vector<Node*> chain;
  for (const TracedNode& step : traceChain(board)) chain.push_back(step.node);

  const std::vector<Node*> shortest = shortestSolutionFrom(board, chain);
  if (!shortest.empty()) {
    // A chain that is itself a solution leaves nothing to hint.
    if (shortest.size() == chain.size()) return {};
    return {Hint::Kind::NextLink, chain.back(), shortest[chain.size()]};
  }
  // The source alone begins every solution; the first prefix that begins
  // none ends on the wrong link.
  std::vector<Node*> prefix = {chain.front()};
  for (std::size_t i = 1; i < chain.size(); ++i) {
    prefix.push_back(chain[i]);
    if (solutionFrom(board, prefix).empty())
      return {Hint::Kind::WrongLink, chain[i - 1], chain[i]};
  }
  return {};
}
