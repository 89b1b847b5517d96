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

// Milliseconds from exec of binary in runDir to the first swap that puts
// every spot on screen, on the display client is connected to; negative
// when the program showed nothing within ten seconds, or drew before its
// window could be watched.
double firstFrameMs(XClient& client, const std::string& display,
                    const std::string& binary, const std::string& runDir,
                    const std::vector<Spot>& spots);
