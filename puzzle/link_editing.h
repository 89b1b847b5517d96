// Link editing: selecting nodes and making or removing links with the mouse.
#pragma once

#include <cstdint>

enum class LinkMode : std::int32_t {
  Idle = 0,     // no node selected
  Linking = 1,  // the board's selectedNode starts the next link
};

// Process-wide, beside the board; only Board::pressAt changes it.
LinkMode& linkMode();

// A node is under a position within 4 world units of its centre.
constexpr double pickRadiusSquared = 16.0;
