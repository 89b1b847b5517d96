// The synthesised click and music loop.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/sounds/click_sound.h"
#include "tools/sounds/music_loop.h"

namespace {

// Channel c of interleaved stereo samples.
std::vector<float> channel(const std::vector<float>& samples, int c) {
  std::vector<float> out;
  for (size_t i = c; i < samples.size(); i += musicChannels)
    out.push_back(samples[i]);
  return out;
}

TEST(MusicLoop, LastsTwentyToSixtySecondsOfStereo) {
  const std::vector<float> music = musicLoop();
  ASSERT_EQ(music.size() % musicChannels, 0u);
  const double seconds = double(music.size()) / musicChannels / musicRate;
  EXPECT_GE(seconds, 20.0);
  EXPECT_LE(seconds, 60.0);
}

TEST(MusicLoop, SeamIsNoSharperThanAnyStepInside) {
  const std::vector<float> music = musicLoop();
  for (int c = 0; c < musicChannels; ++c) {
    const std::vector<float> wave = channel(music, c);
    float sharpest = 0.0f;
    for (size_t i = 1; i < wave.size(); ++i)
      sharpest = std::max(sharpest, std::abs(wave[i] - wave[i - 1]));
    EXPECT_LE(std::abs(wave.front() - wave.back()), sharpest)
        << "channel " << c;
    // The slope into the seam matches the slope out of it.
    const float before = wave.back() - wave[wave.size() - 2];
    const float after = wave[1] - wave.front();
    EXPECT_NEAR(before, after, 0.25f * sharpest) << "channel " << c;
  }
}

TEST(MusicLoop, SoundsThroughoutWithoutClipping) {
  const std::vector<float> music = musicLoop();
  const size_t second = musicRate * musicChannels;
  for (size_t start = 0; start + second <= music.size(); start += second) {
    double sum = 0.0;
    for (size_t i = start; i < start + second; ++i) sum += music[i] * music[i];
    EXPECT_GT(std::sqrt(sum / second), 0.05) << "second " << start / second;
  }
  const auto [low, high] = std::minmax_element(music.begin(), music.end());
  EXPECT_LE(std::max(-*low, *high), 0.71f);
}

TEST(ClickSound, IsShortAndCrispFromSilenceToSilence) {
  const std::vector<float> click = clickSound();
  ASSERT_FALSE(click.empty());
  EXPECT_LT(click.size(), size_t(clickRate / 10));
  EXPECT_EQ(click.front(), 0.0f);
  EXPECT_EQ(click.back(), 0.0f);
  // Loud within its first 5 ms, and faded by its last 10 ms.
  auto peakIn = [&](size_t from, size_t to) {
    float peak = 0.0f;
    for (size_t i = from; i < to; ++i)
      peak = std::max(peak, std::abs(click[i]));
    return peak;
  };
  const size_t ms = clickRate / 1000;
  EXPECT_GT(peakIn(0, 5 * ms), 0.4f);
  EXPECT_LT(peakIn(click.size() - 10 * ms, click.size()), 0.05f);
}

}  // namespace
