// The browser's frame loop: the browser's animation frames pace it, and a
// frame is drawn in one only when it was asked for (app/redraw.h). Between
// frames it runs the slices of the jobs beside play. With nothing asked for
// and no job waiting it stops asking the browser for animation frames, so
// a still page costs what a blank one does; a request starts it again.
// It asks the browser itself: Emscripten's main loop would be set up anew
// at each start, once a second on a level's clock.
#include <emscripten.h>
#include <emscripten/eventloop.h>
#include <emscripten/html5.h>

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
  bool lost = false;     // the WebGL context is gone: nothing more is drawn
};

FrameRequests& frameRequests() {
  static FrameRequests instance;
  return instance;
}

EM_BOOL onAnimationFrame(double, void*);

void wake() {
  FrameRequests& requests = frameRequests();
  if (!requests.resting || requests.lost) return;
  requests.resting = false;
  emscripten_request_animation_frame_loop(onAnimationFrame, nullptr);
}

void onTimeCame(void*) { wake(); }

EM_BOOL onAnimationFrame(double, void*) {
  FrameRequests& requests = frameRequests();
  if (requests.lost) {
    requests.resting = true;
    return EM_FALSE;
  }
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
    return EM_FALSE;
  }
  return EM_TRUE;
}

// The page shows why and starts again when the browser gives the context
// back (web/index.html); its own listener keeps the context's return.
EM_BOOL onContextLost(int, const void*, void*) {
  frameRequests().lost = true;
  return EM_FALSE;
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
  emscripten_set_webglcontextlost_callback("#canvas", nullptr, EM_FALSE,
                                           onContextLost);
  emscripten_request_animation_frame_loop(onAnimationFrame, nullptr);
  // As an endless loop would: nothing after this call runs.
  emscripten_exit_with_live_runtime();
}
