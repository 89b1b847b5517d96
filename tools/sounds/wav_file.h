// WAV writer: 16-bit PCM files from float samples.
#pragma once

#include <string>
#include <vector>

// Writes samples (interleaved frames of channels values, -1 to 1, beyond
// that clamped) as a 16-bit PCM WAV file; false when it cannot be written.
bool writeWav(const std::string& path, const std::vector<float>& samples,
              int channels, int rate);
