// Jobs beside play on the desktop: each on a thread of its own, its end
// handed to the toolkit's thread between frames, and a cancelled job
// stopped at once, its work dropped and its end never called.
#include "app/background_job.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include "tests/support/gl_window.h"

namespace {

using namespace std::chrono_literals;

struct Jobs : testing::Test {
  static inline GlWindow* window = nullptr;
  static void SetUpTestSuite() {
    window = new GlWindow;
    window->open(64, 48, "background jobs");
    glutDisplayFunc([] {});
  }
  static void TearDownTestSuite() {
    window->close();
    delete window;
  }

  // Runs the toolkit's loop, as the game's main loop does, until done()
  // or the patience runs out.
  template <typename Condition>
  static bool loopUntil(Condition done,
                        std::chrono::milliseconds patience = 10s) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (!done() && std::chrono::steady_clock::now() < deadline) {
      glutMainLoopEvent();
      usleep(1000);
    }
    return done();
  }
};

// Work that counts its steps, slowly, so the toolkit's loop runs many
// passes meanwhile, as frames would.
struct Counting {
  std::atomic<long> steps{0};
  long until = 0;
  bool slice(long budget) {
    std::this_thread::sleep_for(200us);
    steps += budget;
    return steps >= until;
  }
};

TEST_F(Jobs, AJobRunsBesideTheLoopAndEndsOnItsThread) {
  auto work = std::make_shared<Counting>();
  work->until = 1L << 22;
  const auto mainThread = std::this_thread::get_id();
  int ended = 0;
  std::thread::id endedOn;
  long passes = 0;
  startJob([work](long budget) { return work->slice(budget); },
           [&] {
             ++ended;
             endedOn = std::this_thread::get_id();
           });
  EXPECT_TRUE(loopUntil([&] {
    ++passes;
    return ended > 0;
  }));
  EXPECT_EQ(ended, 1);
  EXPECT_EQ(endedOn, mainThread) << "the end reaches the game's thread";
  EXPECT_GE(work->steps.load(), work->until);
  EXPECT_GT(passes, 5) << "the loop ran while the job did";
}

TEST_F(Jobs, ACancelledJobStopsAtOnceAndDropsItsWork) {
  auto work = std::make_shared<Counting>();
  work->until = 1L << 40;  // far more than the test waits for
  const std::weak_ptr<Counting> watched = work;
  bool ended = false;
  const JobId id = startJob([work](long budget) { return work->slice(budget); },
                            [&] { ended = true; });
  work.reset();
  ASSERT_TRUE(loopUntil([&] { return watched.lock()->steps > 0; }));
  cancelJob(id);
  EXPECT_TRUE(watched.expired()) << "the job's work is gone with it";
  // Long enough for the toolkit's timer to hand over an end, if any.
  loopUntil([] { return false; }, 300ms);
  EXPECT_FALSE(ended);
  cancelJob(id);  // again, and an id never given: nothing happens
  cancelJob(0);
}

}  // namespace
