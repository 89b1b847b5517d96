// Display lists: blocks of GL calls compiled once under a name and drawn by
// that name. The browser's GL has none, so the game reaches them only
// through these functions, which each build implements its own way.
#pragma once

#include <functional>

// Reserves `count` consecutive list names and returns the first; 0 when
// count is not positive.
unsigned newLists(int count);

// Frees the `count` lists from `first` on; their names draw nothing after.
void deleteLists(unsigned first, int count);

// Compiles the GL calls that body makes into display list `list` (a name
// from newLists), without drawing them; callList(list) draws them.
// The browser build keeps body itself, so it must capture by value
// whatever it reads.
void compileList(unsigned list, const std::function<void()>& body);

// Draws list `list`; a name without a compiled list draws nothing.
void callList(unsigned list);
