// Test support: another process's frames and CPU seen from outside it. A
// frame is counted when its swap reaches the window, through the X Damage
// extension; CPU time is read from /proc.
#pragma once

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <sys/types.h>

#include <chrono>

struct SwapCounter {
  Display* display = nullptr;
  Damage damage = 0;
  int eventBase = 0;
  long swaps = 0;  // drawing requests that reached the window so far

  // Starts counting on the window; false without the Damage extension.
  bool watch(Display* on, Window window);
  // Takes in the reports that have arrived; returns swaps.
  long count();
  // Waits until swaps passes least or the timeout runs out; returns swaps.
  long waitFor(long least, std::chrono::milliseconds timeout);
  ~SwapCounter();
};

// What a process did over a span of waiting.
struct Activity {
  long frames = 0;
  double cpuSeconds = 0.0;
  double seconds = 0.0;  // the span as measured
};
Activity watchActivity(SwapCounter& swaps, pid_t pid,
                       std::chrono::milliseconds span);

// User plus system CPU seconds of the process, all its threads; negative
// when it cannot be read. Counted in nanoseconds from each live thread's
// scheduler statistics where the kernel keeps them, so spans of a few
// milliseconds of CPU still measure; else in clock ticks of 10 ms.
double processCpuSeconds(pid_t pid);
