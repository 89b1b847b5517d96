// Opening the game's window, in the one place the game, the browser, the
// test window and the benchmarks all call, so that each draws into the
// same kind of window: RGBA, double-buffered, with a depth buffer. The
// benchmark's first-frame floor is only a floor while this holds.
#pragma once

#include "render/world.h"

struct GameWindow {
  int width = kWindowWidth;  // pixels
  int height = kWindowHeight;
  // False leaves the size to the toolkit's own options (-geometry).
  bool sized = true;
  // At the screen's top-left corner, wholly on the screen, where a test
  // reads it back through X; else where the toolkit or its options put it.
  bool atScreenCorner = false;
  const char* title = kWindowTitle;

  // Starts the toolkit on argc and argv, which it shortens by the options
  // it takes, and opens the window with its GL context current. False
  // when no window opens (a browser without WebGL).
  bool open(int& argc, char** argv) const;
};
