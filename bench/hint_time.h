// Benchmark: how long a hint takes on hard generated levels, and the
// search each level runs once when it starts, which hints read.
#pragma once

// Prints hint_ms: the slowest hint, in milliseconds, over the six hard
// levels of a seed, each asked from an empty chain and from each first
// link out of the source (a start that no solution has is the longest
// case). Prints level_search_ms: the slowest of the six levels' searches
// for every solving chain. Each figure is the best of three runs, so a
// stray pause on the machine does not count.
void measureHint();
