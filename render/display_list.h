// Display lists: compiling a block of GL calls under a list name.
#pragma once

#include <functional>

// Compiles the GL calls that body makes into display list `list` (a name
// from glGenLists), without drawing them; glCallList(list) draws them.
// The browser build has no display lists in its GL: there body itself is
// kept, so it must capture by value whatever it reads.
void compileList(unsigned list, const std::function<void()>& body);
