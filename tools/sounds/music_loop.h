// Music loop: the calm background music, synthesised.
#pragma once

#include <vector>

constexpr int musicRate = 44100;  // Hz
constexpr int musicChannels = 2;  // interleaved left, right

// About 27 seconds of soft pad chords, bass and an echoing bell arpeggio,
// peak 0.7. Notes that ring past the end sound again at the start, so the
// last frame leads into the first as smoothly as any two neighbours and
// the music loops without a seam. Always the same samples.
std::vector<float> musicLoop();
