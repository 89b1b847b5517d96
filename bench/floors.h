// The floors the game is measured against: the least work that could
// produce the same frame or the same start-up.
#pragma once

#include <GL/gl.h>

// A frame that draws only the playing field as one textured, blended quad
// over the visible world rectangle, then swaps.
struct FloorFrame {
  GLuint texture = 0;
  void load();  // from "./images/background.png"; needs the GL context
  void draw() const;
};

// Start-up without GL: decodes the fourteen pictures with libpng and
// renders the 128 glyphs with FreeType. Returns a checksum so nothing is
// optimised away.
unsigned long floorStartUp();
