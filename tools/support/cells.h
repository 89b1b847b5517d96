// Grid cells of a chain as (row, column), row 0 at the top: how tests and
// tools write the chains they link.
#pragma once

#include <initializer_list>
#include <utility>

using Cells = std::initializer_list<std::pair<int, int>>;
