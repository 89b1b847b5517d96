// Board layer: the playing field with the board beneath the marks, kept as
// a picture of the window while it stays the same, so that a frame where
// only the marks or the writing over the board change copies it instead of
// drawing every sprite again.
#pragma once

#include <GL/gl.h>

#include <array>
#include <vector>

#include "render/board_parts.h"
#include "render/picture_copy.h"

struct Board;

struct BoardLayer {
  GLuint texture = 0;   // window-sized, made by the first frame that keeps
  PictureCopy copy;     // framebuffer 0 while nothing can be kept
  bool kept = false;    // copy holds shownBoard on shownView
  bool unable = false;  // the driver cannot copy pictures: never keep
  std::vector<SpriteDraw> shownBoard;
  std::array<double, 10> shownView{};

  // Puts the playing field and boardBase(board) into the back buffer:
  // copies the kept picture when the board, the window and the world
  // rectangle are as it was taken; otherwise draws them and keeps a copy.
  // Nothing is kept when the driver cannot copy pictures or the playing
  // field has translucent texels (then each frame blends it over the last).
  void draw(const Board& board);
};

// The process-wide layer, for the playing screen's frames.
BoardLayer& boardLayer();
