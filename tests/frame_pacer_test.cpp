// Frame pacing: frames a fixed interval apart, no burst after a stall.
#include "app/frame_pacer.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

TEST(FramePacer, FramesStartOneIntervalApartAndEarlyCallsWaitTheRest) {
  FramePacer pacer;
  const PaceClock::time_point start = PaceClock::now();
  EXPECT_EQ(pacer.waitBeforeFrame(start), 0ns);  // the first frame at once
  EXPECT_EQ(pacer.waitBeforeFrame(start + 5ms), frameInterval - 5ms);
  EXPECT_EQ(pacer.waitBeforeFrame(start + frameInterval - 1ns), 1ns);
  // A wait that overshoots by 2 ms does not push the next frame back.
  EXPECT_EQ(pacer.waitBeforeFrame(start + frameInterval + 2ms), 0ns);
  EXPECT_EQ(pacer.waitBeforeFrame(start + frameInterval + 3ms),
            frameInterval - 3ms);
  EXPECT_EQ(pacer.waitBeforeFrame(start + 2 * frameInterval), 0ns);
}

TEST(FramePacer, NeverMoreThanSixtyFramesInASecondOfAsking) {
  FramePacer pacer;
  const PaceClock::time_point start = PaceClock::now();
  int frames = 0;
  for (auto at = start; at < start + 1s; at += 100us)
    frames += pacer.waitBeforeFrame(at) == 0ns;
  EXPECT_EQ(frames, maxFramesPerSecond);
}

TEST(FramePacer, AfterAStallTheNextFrameIsDueAnIntervalFromNow) {
  FramePacer pacer;
  const PaceClock::time_point start = PaceClock::now();
  pacer.waitBeforeFrame(start);
  const PaceClock::time_point late = start + 500ms;  // a dragged window
  EXPECT_EQ(pacer.waitBeforeFrame(late), 0ns);
  EXPECT_EQ(pacer.waitBeforeFrame(late + 1ms), frameInterval - 1ms);
}

}  // namespace
