// Camera: holds the window at 4:3 and sets the perspective view that shows
// the world rectangle of render/world.h in the plane z = 0.
#pragma once

#include "render/world.h"

struct WindowSize {
  int width;
  int height;
};

struct Camera {
  // The last reshape with both sides positive; the default window size
  // stands in until the first one arrives.
  int width = kWindowWidth;
  int height = kWindowHeight;
  double fieldOfView = kFieldOfView;  // vertical, degrees
  double translationX = -kWorldMiddleX;
  double translationY = -kWorldMiddleY;
  double translationZ = -kCameraDistance;

  // Toolkit reshape: clears, asks for a 4:3 window within what the screen
  // and the GL implementation can hold (windowBound) and, for a positive
  // size, sets viewport, projection and view. Leaves GL_MODELVIEW current.
  void reshape(int newWidth, int newHeight);
  // Loads the view for a frame (the same matrix the reshape leaves).
  void apply() const;
  // Half the visible height of the plane z = 0, world units.
  double viewHalfHeight() const;
  // Window pixels a world unit of the plane z = 0 spans.
  double pixelsPerUnit() const;
  // A point of the plane z = 0 in window pixels, counted from the left and
  // from the bottom.
  double windowX(double worldX) const;
  double windowY(double worldY) const;
};

// The largest window the game asks for, whatever the screen: a little
// above 8K, and well inside what X can hand a software renderer.
constexpr WindowSize kWindowCap{8192, 6144};

// The window size a reshape to this width asks for: 4:3, and never below
// 1 x 1, since X ends the process on a request for a zero-sized window.
// Beyond bound (both sides positive) it is the largest 4:3 size within it.
WindowSize fourThreeRequest(int width, WindowSize bound);

// The bound on the window: the screen, the largest viewport of the current
// GL context and kWindowCap, whichever is smallest on each side.
WindowSize windowBound();

Camera& camera();
