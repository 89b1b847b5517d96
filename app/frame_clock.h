// Frame clock arithmetic, kept apart from GLUT so it can be tested alone.
#pragma once

#include <cstdint>

// A longer frame (start-up, a dragged window) advances the game by only this
// much, so the level pause cannot be skipped by one stall.
constexpr double maxFrameSeconds = 0.12;

struct FrameLength {
  double seconds;  // at most maxFrameSeconds
  bool capped;     // the frame was longer; the caller clears the buffers
};

// now and last are the toolkit's millisecond counter; the difference is
// taken unsigned, so a counter that wraps past 2^32 still gives a short frame.
FrameLength measureFrame(std::uint32_t now, std::uint32_t last);
