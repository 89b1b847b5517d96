// Pointer: maps window pixels from the mouse into world coordinates.
#pragma once

struct Pointer {
  float worldX = 0.0f;  // last mapped position, world units
  float worldY = 0.0f;

  // x, y: window pixels, origin top-left, y down. Positions outside the
  // window (a drag) are pulled to its edge. In a window too small to map
  // (height 1) the last position is kept.
  void track(double x, double y);
};

Pointer& pointer();
