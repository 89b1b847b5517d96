// The six built-in levels: start and target shapes, node colour and the
// deltas of the sixteen grid nodes.
#pragma once

#include <array>

constexpr int levelCount = 6;
constexpr int gridNodeCount = 16;

// What one grid node adds to a shape that passes it.
struct NodeDeltas {
  float sizeDelta;
  int sidesDelta;
  float hueDelta;
};

struct Level {
  float startHue;
  int startSides;
  float startSize;
  float targetHue;
  int targetSides;
  float targetSize;
  // Colour of all eighteen node bodies in this level.
  float nodeRed;
  float nodeGreen;
  float nodeBlue;
  // Entry k belongs to grid node k: row k / 4 from the top, column k % 4
  // from the left.
  std::array<NodeDeltas, gridNodeCount> deltas;
};

extern const std::array<Level, levelCount> builtInLevels;
