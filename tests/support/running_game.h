// Test support: the real game started on its own Xvfb server, with a client
// that has found its window.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "render/png_decode.h"
#include "render/world.h"
#include "tools/support/x_session.h"

using Spots = std::vector<std::pair<int, int>>;

// Spots across a full-screen picture: its corners, the title lettering and
// the prompt.
inline const Spots kSpotsAcross = {{2, 2},     {797, 2},   {2, 597},
                                   {797, 597}, {400, 180}, {300, 540}};

struct RunningGame {
  VirtualDisplay screen;
  GameProcess process;
  XClient client;
  Window window = 0;

  // Starts binary from runDir; fails the test when no window shows.
  void start(const std::string& binary, const std::string& runDir,
             const std::vector<std::string>& env = {},
             const std::vector<std::string>& args = {}) {
    using namespace std::chrono_literals;
    ASSERT_TRUE(screen.start());
    ASSERT_TRUE(process.start(binary, runDir, screen.name, env, args));
    ASSERT_TRUE(client.open(screen.name));
    window = client.findWindow(kWindowTitle, 10s);
    ASSERT_NE(window, 0u) << process.stderrText();
  }

  // Whether the title picture shows within the time-out: it is dark blue
  // at its top, where a game without its data shows white.
  bool showsTitle(std::chrono::milliseconds timeout) {
    return waitUntil(
        [&] {
          const Rgb p = client.pixel(window, 400, 20);
          return p.r < 100 && p.g < 100 && p.b > 30 && p.b < 160;
        },
        timeout);
  }

  // Whether, within the time-out, the window shows the game's picture file
  // pixel for pixel at every spot.
  bool showsPicture(const char* file, std::chrono::milliseconds timeout,
                    const Spots& spots = kSpotsAcross) {
    const std::string path = std::string(LINKLOOM_RUN_DIR "/images/") + file;
    const auto picture = decodePngFile(path.c_str(), 4096);
    if (!picture) return false;
    const auto shown = [&] {
      for (const auto& [x, y] : spots) {
        const std::size_t at =
            (static_cast<std::size_t>(y) * picture->width + x) *
            picture->channels();
        const Rgb got = client.pixel(window, x, y);
        if (std::abs(got.r - picture->pixels[at]) > 4 ||
            std::abs(got.g - picture->pixels[at + 1]) > 4 ||
            std::abs(got.b - picture->pixels[at + 2]) > 4)
          return false;
      }
      return true;
    };
    return waitUntil(shown, timeout);
  }
};
