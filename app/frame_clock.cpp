// Frame clock arithmetic.
#include "app/frame_clock.h"

FrameLength measureFrame(std::uint32_t now, std::uint32_t last) {
  const std::uint32_t elapsedMs = now - last;
  const double seconds = elapsedMs * 0.001;
  if (seconds > maxFrameSeconds) return {maxFrameSeconds, true};
  return {seconds, false};
}
