// The levels in play: the six built-in ones, unless the command line chose a
// pack or generated levels before the board was built.
#pragma once

#include <vector>

#include "puzzle/levels.h"

// The most levels one set (and so one pack) may hold.
constexpr int maxLevelsInSet = 100;

// Process-wide; the built-in levels until useLevels replaces them.
const std::vector<Level>& levelSet();
// Replaces the set; levels must hold 1 to maxLevelsInSet levels. Takes
// effect at the next Board::loadLevel.
void useLevels(std::vector<Level> levels);
int levelSetSize();

// The level at index, or the last level for an index past the end (the one
// frame after the last level is solved still draws the board).
const Level& levelOrLast(int index);
