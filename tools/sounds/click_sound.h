// Click sound: the short tick of the click sample.
#pragma once

#include <vector>

constexpr int clickRate = 44100;  // Hz, mono

// About 30 ms of a bright tick: a fast rise, a ringing tone over a touch
// of noise, and a decay that ends at exactly 0. Always the same samples.
std::vector<float> clickSound();
