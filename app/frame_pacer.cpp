// Frame pacing arithmetic.
#include "app/frame_pacer.h"

PaceClock::duration FramePacer::waitBeforeFrame(PaceClock::time_point now) {
  const PaceClock::time_point due = lastStart + frameInterval;
  if (now < due) return due - now;
  lastStart = now - due >= frameInterval ? now : due;
  return PaceClock::duration::zero();
}

FramePacer& framePacer() {
  static FramePacer instance;
  return instance;
}
