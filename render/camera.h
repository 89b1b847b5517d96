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

  // Toolkit reshape: clears, asks for a 4:3 window and, for a positive
  // size, sets viewport, projection and view. Leaves GL_MODELVIEW current.
  void reshape(int newWidth, int newHeight);
  // Loads the view for a frame (the same matrix the reshape leaves).
  void apply() const;
  // Half the visible height of the plane z = 0, world units.
  double viewHalfHeight() const;
};

// The window size a reshape to this width asks for: 4:3, and never below
// 1 x 1, since X ends the process on a request for a zero-sized window.
WindowSize fourThreeRequest(int width);

Camera& camera();
