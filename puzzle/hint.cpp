// Hints from the chain search's solving chains.
#include "puzzle/hint.h"

#include <algorithm>
#include <vector>

#include "puzzle/chain_trace.h"

namespace {

// How many of the chain's first nodes the solution begins with.
std::size_t sharedStart(const std::vector<Node*>& chain,
                        const std::vector<Node*>& solution) {
  const std::size_t most = std::min(chain.size(), solution.size());
  std::size_t shared = 0;
  while (shared < most && chain[shared] == solution[shared]) ++shared;
  return shared;
}

}  // namespace

Hint findHint(const Board& board, const LevelSolutions& solutions) {
  std::vector<Node*> chain;
  for (const TracedNode& step : traceChain(board)) chain.push_back(step.node);

  const std::vector<Node*>* shortest = nullptr;
  std::size_t longestShared = 0;
  for (const std::vector<Node*>& solution : solutions.every) {
    const std::size_t shared = sharedStart(chain, solution);
    longestShared = std::max(longestShared, shared);
    if (shared == chain.size() &&
        (shortest == nullptr || solution.size() < shortest->size()))
      shortest = &solution;
  }
  if (shortest != nullptr) {
    // A chain that is itself a solution leaves nothing to hint.
    if (shortest->size() == chain.size()) return {};
    return {Hint::Kind::NextLink, chain.back(), (*shortest)[chain.size()]};
  }
  // Every solution begins at the source; the link after the longest start
  // that some solution shares is the wrong one.
  if (longestShared == 0 || longestShared >= chain.size()) return {};
  return {Hint::Kind::WrongLink, chain[longestShared - 1],
          chain[longestShared]};
}
