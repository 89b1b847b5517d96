// Test support: a GLUT window whose GL context stays current, on an Xvfb
// server of its own, and counts of the GL objects alive in it.
#pragma once

// Before Xlib, whose macros would break it.
#include <gtest/gtest.h>

#include "tools/support/x_session.h"

struct GlWindow {
  VirtualDisplay screen;

  // Starts the server, points DISPLAY at it and opens a double-buffered
  // RGBA window with a depth buffer; fails the test when the server does
  // not start.
  void open(int width, int height, const char* title);
  // The toolkit lets go of the server before it stops; freeglut would
  // otherwise end the process when the connection breaks.
  void close();
};

// Texture and display-list names in use among 1 to upTo.
int liveTextures(unsigned upTo = 4096);
int liveLists(unsigned upTo = 4096);
