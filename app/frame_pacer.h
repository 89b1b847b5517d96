// Frame pacing arithmetic, kept apart from GLUT so it can be tested alone.
#pragma once

#include <chrono>

using PaceClock = std::chrono::steady_clock;

// The game never draws more often than this, whatever the display offers:
// a puzzle standing still gains nothing from more.
constexpr int maxFramesPerSecond = 60;
constexpr PaceClock::duration frameInterval =
    std::chrono::duration_cast<PaceClock::duration>(std::chrono::seconds(1)) /
    maxFramesPerSecond;

struct FramePacer {
  PaceClock::time_point lastStart{};  // when the last frame was let start

  // How long the loop should wait before the next frame; zero when it may
  // start now, and then that start is recorded. Frames are due one interval
  // apart, so waits that overshoot a little do not lower the rate; a loop
  // that fell more than an interval behind starts afresh from now rather
  // than rushing frames to catch up.
  PaceClock::duration waitBeforeFrame(PaceClock::time_point now);
};

// The process-wide pacer of the game's redraws.
FramePacer& framePacer();
