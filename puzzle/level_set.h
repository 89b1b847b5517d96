// The levels in play: the six built-in ones, unless the command line chose a
// pack or generated levels before the board was built. Generated levels are
// made beside play, one after another, so the set may name levels that are
// not made yet.
#pragma once

#include <optional>
#include <vector>

#include "puzzle/level_generator.h"
#include "puzzle/levels.h"

// The most levels one set (and so one pack) may hold.
constexpr int maxLevelsInSet = 100;

// Process-wide; the built-in levels until useLevels or planLevels replaces
// them. Only the levels made so far, in order.
const std::vector<Level>& levelSet();
// Replaces the set; levels must hold 1 to maxLevelsInSet levels. Takes
// effect at the next Board::loadLevel.
void useLevels(std::vector<Level> levels);
// Replaces the set with generated levels, none of them made yet.
void planLevels(std::vector<LevelRecipe> recipes);
// The recipe of the first level not made yet, if any; addMadeLevel adds
// what it makes, so the levels are made in order.
std::optional<LevelRecipe> nextLevelToMake();
void addMadeLevel(const Level& level);

// The count of levels in the set, made or not.
int levelSetSize();
// Whether level index (from 0) is made, so Board::loadLevel can load it.
bool levelReady(int index);

// The level at index, or the last level made for an index past them (the
// one frame after the last level is solved still draws the board).
const Level& levelOrLast(int index);
