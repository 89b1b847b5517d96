// Board layer: the playing field with the board beneath the marks, drawn
// into a window-sized picture of its own and kept while it stays the same,
// so that a frame where only the marks or the writing over the board
// change shows it instead of drawing every sprite again. How the picture
// is kept and shown is the platform's (board_picture.cpp, and
// board_picture_web.cpp in the browser).
#pragma once

#include <GL/gl.h>

#include <array>
#include <vector>

#include "render/board_parts.h"
#include "render/changed_area.h"

struct Board;

struct BoardLayer {
  GLuint texture = 0;      // made by the first frame that keeps
  GLuint depth = 0;        // a depth renderbuffer, as the window has
  GLuint framebuffer = 0;  // drawn like the window: rows from the top
  int width = 0;           // the texture's size
  int height = 0;
  bool kept = false;    // the texture holds shownBoard on shownView
  bool unable = false;  // the driver cannot keep it: draw every frame
  std::vector<SpriteDraw> shownBoard;
  std::array<double, 10> shownView{};

  // Puts the playing field and boardBase(board) into the back buffer. When
  // the board, the window and the world rectangle are as last kept it
  // shows the kept picture; otherwise it draws them into the picture (on
  // the desktop only where the board's draws changed, when the window is
  // the same) and shows that. Where the platform cannot keep the picture
  // it draws into the window itself.
  void draw(const Board& board);

 private:
  // Makes the picture the window's size through makePicture; false when
  // the platform cannot, which it then never tries again.
  bool fitWindow();

  // The platform's part.
  bool keepable();  // makes the picture the window's size when it can
  // Makes or remakes the texture and framebuffer at that size; false when
  // the platform cannot keep a picture.
  bool makePicture(int newWidth, int newHeight);
  void redraw(const std::vector<SpriteDraw>& base, bool sameView);
  void show() const;
  void drawArea(const std::vector<SpriteDraw>& base,
                const PixelBox& area) const;
};

// The process-wide layer, for the playing screen's frames.
BoardLayer& boardLayer();
