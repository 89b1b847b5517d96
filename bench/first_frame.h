// First frames: a program timed from exec to its first frame on screen.
#pragma once

#include <X11/Xlib.h>

#include <string>
#include <vector>

#include "tools/support/x_session.h"

// A window pixel the first frame must show.
struct Spot {
  int x, y;
  Rgb colour;
};

struct FirstFrame {
  double wallMs = -1.0;  // from exec to the swap seen on screen
  double cpuMs = -1.0;   // the program's CPU time when the swap was seen
};

// Exec of binary in runDir, given args, to the first swap that puts every spot
// on screen, on the display client is connected to; negative times when the
// program showed nothing within ten seconds, or drew before its window
// could be watched. The CPU time is read as soon as a swap arrives, before
// its pixels are checked, so little of what the program does after it
// counts.
FirstFrame firstFrame(XClient& client, const std::string& display,
                      const std::string& binary, const std::string& runDir,
                      const std::vector<Spot>& spots,
                      const std::vector<std::string>& args = {});
