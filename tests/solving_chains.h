// One solving chain per level, as (row, column) grid cells between the
// source and the sink node.
#pragma once

#include "puzzle/levels.h"
#include "tools/support/cells.h"

inline const Cells solvingChains[levelCount] = {
    {{0, 0}, {1, 1}, {1, 2}, {2, 3}},
    {{3, 0}, {2, 1}, {2, 2}, {1, 3}},
    {{0, 0}, {1, 1}, {2, 2}, {1, 2}, {0, 2}, {0, 3}},
    {{0, 0}, {0, 1}, {1, 2}, {2, 2}, {1, 3}},
    {{1, 0}, {2, 0}, {1, 1}, {2, 2}, {2, 3}},
    {{1, 0}, {1, 1}, {0, 2}, {1, 3}, {2, 3}},
};
