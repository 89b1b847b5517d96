// Camera: holds the window at 4:3 and sets the perspective view that shows
// the world rectangle x -50 to 50, y 0 to 75 in the plane z = 0.
#pragma once

struct WindowSize {
  int width;
  int height;
};

struct Camera {
  // The last reshape with both sides positive; the default window size
  // stands in until the first one arrives.
  int width = 800;
  int height = 600;
  double fieldOfView = 90.0;  // vertical, degrees
  double translationX = 0.0;
  double translationY = -37.5;
  double translationZ = -37.5;

  // Toolkit reshape: clears, asks for a 4:3 window and, for a positive
  // size, sets viewport, projection and view. Leaves GL_MODELVIEW current.
  void reshape(int newWidth, int newHeight);
  // Loads the view for a frame (the same matrix the reshape leaves).
  void apply() const;
  // Half the visible height of the plane z = 0, world units (37.5).
  double viewHalfHeight() const;
};

// The window size a reshape to this width asks for: 4:3, and never below
// 1 x 1, since X ends the process on a request for a zero-sized window.
WindowSize fourThreeRequest(int width);

// The largest 4:3 size, as fourThreeRequest gives it, that fits in a
// space of this many pixels: the browser page's canvas in its window.
WindowSize fourThreeFit(int availableWidth, int availableHeight);

Camera& camera();
