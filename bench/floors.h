// The frame floor: the least work that yields the playing field on screen.
#pragma once

#include "render/picture_copy.h"

// Copies the playing field's picture into the back buffer 1:1 and swaps.
struct FloorFrame {
  PictureCopy background;
  void load();  // from the playing field picture; needs the GL context
  void draw() const;
};
