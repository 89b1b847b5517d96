// Click sound: a decaying tone burst with a little noise for the edge.
#include "tools/sounds/click_sound.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double length = 0.03;    // seconds
constexpr double rise = 0.0003;    // seconds: fast, but no step at 0
constexpr double decay = 0.004;    // seconds
constexpr double fadeOut = 0.002;  // seconds of linear fade at the end
constexpr double toneHz = 2800.0;
constexpr double noiseShare = 0.35;
constexpr double peak = 0.8;

}  // namespace

std::vector<float> clickSound() {
  const int count = static_cast<int>(length * clickRate);
  std::vector<float> samples(count);
  std::uint32_t noise = 12345;  // fixed seed: the same click every build
  for (int i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / clickRate;
    noise = noise * 1664525u + 1013904223u;
    const double white = (noise >> 8) / double(1 << 24) * 2.0 - 1.0;
    const double tail = static_cast<double>(count - 1 - i) / clickRate;
    const double envelope = (1.0 - std::exp(-t / rise)) * std::exp(-t / decay) *
                            std::min(1.0, tail / fadeOut);
    const double tone = std::sin(2.0 * pi * toneHz * t);
    samples[i] = static_cast<float>(
        peak * envelope * ((1.0 - noiseShare) * tone + noiseShare * white));
  }
  return samples;
}
