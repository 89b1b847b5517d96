// The browser's frame loop: the browser's animation frames pace it, and a
// frame is drawn in one only when it was asked for (app/redraw.h).
#include <emscripten.h>

#include <algorithm>
#include <vector>

#include "app/callbacks.h"
#include "app/frame_loop.h"
#include "app/page_place.h"
#include "app/redraw.h"

namespace {

using SteadyClock = std::chrono::steady_clock;

struct FrameRequests {
  bool pending = true;                         // the first frame
  std::vector<SteadyClock::time_point> timed;  // asked-for times to come
};

FrameRequests& frameRequests() {
  static FrameRequests instance;
  return instance;
}

void onAnimationFrame() {
  FrameRequests& requests = frameRequests();
  const auto now = SteadyClock::now();
  const auto passed =
      std::remove_if(requests.timed.begin(), requests.timed.end(),
                     [&](SteadyClock::time_point at) { return at <= now; });
  const bool timeCame = passed != requests.timed.end();
  requests.timed.erase(passed, requests.timed.end());
  if (!requests.pending && !timeCame) return;
  requests.pending = false;
  onDisplay();
  followPlayer();
}

}  // namespace

void askForFrame() { frameRequests().pending = true; }

void askForFrameAt(SteadyClock::time_point at) {
  frameRequests().timed.push_back(at);
}

void runFrameLoop() {
  // Simulates an infinite loop: nothing after this call runs.
  emscripten_set_main_loop(onAnimationFrame, 0, EM_TRUE);
}
