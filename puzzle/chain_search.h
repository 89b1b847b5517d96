// Enumerates the chains a player can build, for checking that levels are
// solvable and for the level checker tool.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "puzzle/board.h"

// Whether a chain may go on from one node to the other: the link is within
// reach, and nothing links into the source node.
bool mayFollow(const Board& board, const Node& from, const Node& to);

// Calls visit once for every chain the link rules allow from the source
// node to the sink node that passes no node twice. While visit runs, the
// board's links form that chain (and nothing else), and chain lists its
// nodes from the source to the sink. The board is left without links.
void forEachLegalChain(
    Board& board,
    const std::function<void(const std::vector<Node*>& chain)>& visit);

// The clamps (ClampFlag bits) that walking the chain applies, in total.
unsigned clampsAlong(const Board& board, const std::vector<Node*>& chain);

// What the level checker reports for the level loaded on a board, and what
// the generator grades its levels by.
struct LevelSolutions {
  long legalChains = 0;
  long solvingChains = 0;
  // Some solving chain applies no clamp on the way.
  bool solvableWithoutClamp = false;
  // Every solving chain of the fewest nodes, in the order found.
  std::vector<std::vector<Node*>> shortest;
  // Every solving chain in the order found, when asked for (hints): the
  // indices of its nodes in Board::nodes, source first, then chainEnd. A
  // few bytes a chain, so even a level that every legal chain solves (about
  // 1.1 million of them) keeps under 20 MB.
  std::vector<std::uint8_t> every;
};

constexpr std::uint8_t chainEnd = 0xFF;

// Walks the same chains as forEachLegalChain, in the same order, but adds
// each node's deltas once as the walk extends the chain instead of
// evaluating every chain from the source again: about twenty times faster,
// fast enough to grade generated levels. The walk keeps its own stack, so
// it can stop after any number of steps and go on later, beside play.
struct ChainSearch {
  // One node on the chain being walked: its index in Board::nodes, the
  // chain's nodes as bits, the shape and clamps after it, and the next of
  // its link targets to try.
  struct Step {
    int tail;
    std::uint32_t onChain;
    Shape shape;
    unsigned clamps;
    std::size_t nextTarget;
  };
  const Board* board = nullptr;
  bool keepEvery = false;
  LevelSolutions found;
  std::array<std::vector<int>, boardNodeCount> targets;  // node i's links
  std::vector<Node*> chain;
  std::vector<Step> walk;
  long stepsWalked = 0;  // since start

  // Begins the walk over the level loaded on searched, which must stay
  // unchanged, and alive, until the walk ends. Leaves its links alone.
  // keepEveryChain fills LevelSolutions::every as well.
  void start(const Board& searched, bool keepEveryChain);
  // Walks on for at most steps steps (each tries one link, a few tens of
  // nanoseconds); true once every chain has been walked and found holds
  // the result, the same however the steps were divided.
  bool advance(long steps);
  // A chain reached the sink with this shape and these clamps.
  void reachSink(const Shape& shape, unsigned clamps);
};

// The whole walk of a ChainSearch at once.
LevelSolutions solveLoadedLevel(const Board& board, bool keepEvery = false);
