// Counts heap allocations made through operator new in this process.
#pragma once

#include <cstddef>

std::size_t heapAllocations();
