// Frame clock: the cap on long frames and the counter wrapping.
#include "app/frame_clock.h"

#include <gtest/gtest.h>

namespace {

TEST(FrameClock, ShortFramesPassThrough) {
  const FrameLength frame = measureFrame(1016, 1000);
  EXPECT_DOUBLE_EQ(frame.seconds, 0.016);
  EXPECT_FALSE(frame.capped);
  EXPECT_EQ(measureFrame(500, 500).seconds, 0.0);
}

TEST(FrameClock, LongFramesAreCutAndClear) {
  const FrameLength frame = measureFrame(5000, 1000);
  EXPECT_EQ(frame.seconds, 0.12);
  EXPECT_TRUE(frame.capped);
  EXPECT_TRUE(measureFrame(1121, 1000).capped);
}

TEST(FrameClock, ExactlyTheCapIsNotCut) {
  const FrameLength frame = measureFrame(1120, 1000);
  EXPECT_EQ(frame.seconds, 0.12);
  EXPECT_FALSE(frame.capped);
}

TEST(FrameClock, CounterWrapGivesTheShortFrame) {
  const FrameLength frame = measureFrame(5, 0xFFFFFFF6u);  // 10 ms before wrap
  EXPECT_DOUBLE_EQ(frame.seconds, 0.015);
  EXPECT_FALSE(frame.capped);
}

}  // namespace
