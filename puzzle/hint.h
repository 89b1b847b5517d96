// Hints: the next link of a shortest solution that keeps the player's
// chain, or the first link of that chain that no solution has.
#pragma once

#include "puzzle/board.h"

struct Hint {
  enum class Kind {
    None,       // the level is solved already, or cannot be solved
    NextLink,   // link from to to: it extends the chain toward a solution
    WrongLink,  // the link from from to to is on no solution with the chain
  };
  Kind kind = Kind::None;
  const Node* from = nullptr;
  const Node* to = nullptr;
};

// Searched afresh on every call by the chain search, with the level's
// clamps, from the live chain (puzzle/chain_trace.h). Off-chain links play
// no part. When the live chain begins some solution, the hint is the next
// link of the shortest such solution; otherwise it is the first link on the
// chain after which no solution can go on.
Hint findHint(const Board& board);
