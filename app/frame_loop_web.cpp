// The browser's frame loop: the browser's animation frames pace it, and a
// frame is drawn in one only when it was asked for (app/redraw.h). Between
// frames it runs the slices of the jobs beside play. With nothing asked for
// and no job waiting it stops asking the browser for animation frames, so
// a still page costs what a blank one does; a request starts it again.
#include <emscripten.h>
#include <emscripten/eventloop.h>

#include <algorithm>
#include <vector>

#include "app/callbacks.h"
#include "app/frame_loop.h"
#include "app/job_slices.h"
#include "app/page_place.h"
#include "app/redraw.h"

namespace {

using SteadyClock = std::chrono::steady_clock;

// Of an animation frame's 16.7 ms, what the jobs may take: the rest is the
// frame's own and the browser's.
constexpr double kJobBudgetMs = 8.0;

struct FrameRequests {
  bool pending = true;                         // the first frame
  std::vector<SteadyClock::time_point> timed;  // asked-for times to come
  bool resting = false;  // no animation frame is asked for
};

FrameRequests& frameRequests() {
  static FrameRequests instance;
  return instance;
}

void wake() {
  FrameRequests& requests = frameRequests();
  if (!requests.resting) return;
  requests.resting = false;
  emscripten_resume_main_loop();
}

void onTimeCame(void*) { wake(); }

void onAnimationFrame() {
  FrameRequests& requests = frameRequests();
  const auto now = SteadyClock::now();
  const auto passed =
      std::remove_if(requests.timed.begin(), requests.timed.end(),
                     [&](SteadyClock::time_point at) { return at <= now; });
  const bool timeCame = passed != requests.timed.end();
  requests.timed.erase(passed, requests.timed.end());
  if (requests.pending || timeCame) {
    requests.pending = false;
    onDisplay();
    followPlayer();
  }
  runJobSlices(kJobBudgetMs);
  // A timed request wakes the loop through the browser's timer.
  if (!requests.pending && !jobsWaiting()) {
    requests.resting = true;
    emscripten_pause_main_loop();
  }
}

}  // namespace

void askForFrame() {
  frameRequests().pending = true;
  wake();
}

void askForFrameAt(SteadyClock::time_point at) {
  frameRequests().timed.push_back(at);
  const auto wait =
      std::chrono::duration<double, std::milli>(at - SteadyClock::now());
  emscripten_set_timeout(onTimeCame, std::max(wait.count(), 0.0), nullptr);
}

void runFrameLoop() {
  // Simulates an infinite loop: nothing after this call runs.
  emscripten_set_main_loop(onAnimationFrame, 0, EM_TRUE);
}
