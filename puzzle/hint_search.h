// The search for a level's solving chains that hints read, run beside play.
#pragma once

#include "puzzle/board.h"
#include "puzzle/chain_search.h"

// The chain search on a board of its own holding a copy of the level in
// play, so that it may run on another thread while the player changes the
// links of the board in play. It must not move once started.
struct HintSearch {
  Board board;
  ChainSearch search;

  // Copies the level loaded on shown (deltas and shapes) and starts the
  // search that keeps every solving chain.
  void start(const Board& shown);
  // As ChainSearch::advance; once true, search.found holds what
  // solveLoadedLevel(shown, true) gives.
  bool advance(long steps);
};
