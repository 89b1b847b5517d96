// Generated levels made beside play, once the title shows: level 1 first,
// each added to the level set as it is made.
#pragma once

// Starts making the planned levels not made yet (puzzle/level_set.h); none
// for built-in levels or a pack. A level that play waits on is loaded as
// soon as it is made.
void makePlannedLevels();

// Whether the playing screen waits for its level to be made: it shows a
// word instead of the board, and presses and keys do nothing.
bool waitsForLevel();
