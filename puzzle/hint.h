// Hints: the next link of a shortest solution that keeps the player's
// chain, or the first link of that chain that no solution has.
#pragma once

#include "puzzle/board.h"
#include "puzzle/chain_search.h"

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

// The hint for the live chain (puzzle/chain_trace.h) among the solving
// chains that the chain search found for the level on the board
// (solveLoadedLevel with keepEvery, which applies the level's clamps).
// Off-chain links play no part. When the live chain begins some solution,
// the hint is the next link of the shortest such solution (the first found
// on a tie); otherwise it is the first link on the chain after which no
// solution goes on. One pass over the solutions, never a search: well under
// a millisecond on a hard level, a few on a level most chains solve.
Hint findHint(const Board& board, const LevelSolutions& solutions);
