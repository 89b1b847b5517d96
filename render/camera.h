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

  // Toolkit reshape: clears, asks for a 4:3 window within what the screen
  // and the GL implementation can hold (windowBound) and, for a positive
  // size, sets viewport, projection and view. Leaves GL_MODELVIEW current.
  void reshape(int newWidth, int newHeight);
  // Loads the view for a frame (the same matrix the reshape leaves).
  void apply() const;
  // Half the visible height of the plane z = 0, world units (37.5).
  double viewHalfHeight() const;
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
