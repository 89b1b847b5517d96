// Level packs written: the levels as text, opened with "pack" and closed
// with "end" so that a copy cut short is refused when read back.
#pragma once

#include <string>
#include <vector>

#include "puzzle/levels.h"

// The levels in the pack format; parsePack gives them back unchanged.
std::string formatPack(const std::vector<Level>& levels);
