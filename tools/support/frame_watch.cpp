// Test support: swaps through X Damage, CPU time through /proc.
#include "tools/support/frame_watch.h"

#include <poll.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

bool SwapCounter::watch(Display* on, Window window) {
  display = on;
  int errorBase = 0;
  if (!XDamageQueryExtension(display, &eventBase, &errorBase)) return false;
  // Raw reports: one event, or a run ending with more clear, per request.
  damage = XDamageCreate(display, window, XDamageReportRawRectangles);
  XSync(display, False);
  return damage != 0;
}

long SwapCounter::count() {
  while (XPending(display) > 0) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type != eventBase + XDamageNotify) continue;
    const auto& report = reinterpret_cast<XDamageNotifyEvent&>(event);
    if (!report.more) ++swaps;
  }
  return swaps;
}

long SwapCounter::waitFor(long least, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (count() < least) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) break;
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    poll(&connection, 1, static_cast<int>(left.count()));
  }
  return swaps;
}

SwapCounter::~SwapCounter() {
  if (damage != 0) XDamageDestroy(display, damage);
}

namespace {

// The first field of /proc/PID/task/TID/schedstat is the thread's time on
// a CPU in nanoseconds; negative when the kernel keeps none.
double threadsRunSeconds(pid_t pid) {
  const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
  std::error_code error;
  double seconds = 0.0;
  bool any = false;
  for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
    std::ifstream in(task.path() / "schedstat");
    unsigned long long nanoseconds = 0;
    if (!(in >> nanoseconds)) continue;
    seconds += nanoseconds * 1e-9;
    any = true;
  }
  return any && !error ? seconds : -1.0;
}

}  // namespace

double processCpuSeconds(pid_t pid) {
  const double precise = threadsRunSeconds(pid);
  if (precise >= 0.0) return precise;
  std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  if (!std::getline(in, line)) return -1.0;
  // The command name may hold spaces; the fields after it are numbered
  // from 3, utime and stime being 14 and 15, in clock ticks.
  const std::size_t close = line.rfind(')');
  if (close == std::string::npos) return -1.0;
  std::istringstream fields(line.substr(close + 2));
  std::string skip;
  for (int field = 3; field < 14; ++field) fields >> skip;
  double user = 0, system = 0;
  if (!(fields >> user >> system)) return -1.0;
  return (user + system) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

Activity watchActivity(SwapCounter& swaps, pid_t pid,
                       std::chrono::milliseconds span) {
  const long frames = swaps.count();
  const double cpu = processCpuSeconds(pid);
  const auto start = std::chrono::steady_clock::now();
  std::this_thread::sleep_for(span);
  Activity activity;
  activity.frames = swaps.count() - frames;
  activity.cpuSeconds = processCpuSeconds(pid) - cpu;
  activity.seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start)
          .count();
  return activity;
}
