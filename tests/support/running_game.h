// Test support: the real game started on its own Xvfb server, with a client
// that has found its window.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/world.h"
#include "tools/support/x_session.h"

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
};
