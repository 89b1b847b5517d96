// Level packs: levels written as plain text, read with every fault reported
// by line and column. The format is described in docs/pack-format.md.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "puzzle/levels.h"

// Bounds that keep a damaged or hostile file cheap to reject.
constexpr std::size_t maxPackBytes = 1u << 20;
constexpr std::size_t maxPackLineLength = 1000;

struct PackReading {
  std::vector<Level> levels;  // 1 to maxLevelsInSet levels when ok
  // Empty when the pack is good, else one line: "NAME:LINE:COLUMN: what".
  std::string error;
  bool ok() const { return error.empty(); }
};

// Parses a pack's text; name only labels the error.
PackReading parsePack(std::string_view text, const std::string& name);
// Reads and parses a pack file. Only a regular file of at most maxPackBytes
// is opened, so a FIFO, a device or a huge file never blocks or fills memory.
PackReading readPackFile(const std::string& path);
