// First frames: the new top-level window is watched from its creation, and
// each swap on it is checked for the expected picture.
#include "bench/first_frame.h"

#include <poll.h>

#include <cstdlib>

#include "tools/support/frame_watch.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPatience = std::chrono::seconds(10);

bool shows(XClient& client, Window window, const std::vector<Spot>& spots) {
  for (const Spot& spot : spots) {
    const Rgb got = client.pixel(window, spot.x, spot.y);
    if (std::abs(got.r - spot.colour.r) > 4 ||
        std::abs(got.g - spot.colour.g) > 4 ||
        std::abs(got.b - spot.colour.b) > 4)
      return false;
  }
  return true;
}

// The next top-level window created on the display.
Window nextWindow(XClient& client, Clock::time_point deadline) {
  while (Clock::now() < deadline) {
    XEvent event;
    if (XCheckTypedEvent(client.display, CreateNotify, &event))
      return event.xcreatewindow.window;
    pollfd connection{ConnectionNumber(client.display), POLLIN, 0};
    poll(&connection, 1, 1);
  }
  return 0;
}

}  // namespace

FirstFrame firstFrame(XClient& client, const std::string& display,
                      const std::string& binary, const std::string& runDir,
                      const std::vector<Spot>& spots,
                      const std::vector<std::string>& args) {
  Display* x = client.display;
  XSelectInput(x, DefaultRootWindow(x), SubstructureNotifyMask);
  XSync(x, True);
  GameProcess process;
  const auto start = Clock::now();
  if (!process.start(binary, runDir, display, {}, args)) return {};
  const auto deadline = start + kPatience;
  const Window window = nextWindow(client, deadline);
  XSelectInput(x, DefaultRootWindow(x), NoEventMask);
  if (window == 0) return {};
  SwapCounter swaps;
  if (!swaps.watch(x, window) || shows(client, window, spots)) return {};
  for (long seen = 1; Clock::now() < deadline; ++seen) {
    swaps.waitFor(seen, std::chrono::duration_cast<std::chrono::milliseconds>(
                            deadline - Clock::now()));
    if (swaps.swaps < seen) continue;
    FirstFrame frame;
    frame.cpuMs = processCpuSeconds(process.pid) * 1000.0;
    frame.wallMs =
        std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (shows(client, window, spots)) return frame;
  }
  return {};
}
