// Scenery: the world rectangle and the four full-screen pictures (playing
// field, title, instructions, game over).
#pragma once

#include "render/picture_copy.h"
#include "render/picture_files.h"
#include "render/png_decode.h"

// The files of the three pictures a mode of play may choose: the playing
// field, the instructions and the game over (the title is always the same).
struct ScreenFiles {
  const char* background = backgroundFile;
  const char* instructions = instructionsFile;
  const char* gameOver = gameOverFile;
};

struct Scenery {
  // Set before load; guided play chooses its own pictures.
  ScreenFiles files;
  // The rectangle the full-screen pictures cover, world units; Game::init
  // sets it to the visible area of render/world.h.
  double left = 0.0;
  double right = 0.0;
  double bottom = 0.0;
  double top = 0.0;
  int backgroundSprite = -1;  // display lists, -1 while not built
  int titleSprite = -1;
  int instructionsSprite = -1;
  int gameOverSprite = -1;
  // The same four pictures, for frames that show them 1:1.
  PictureCopy backgroundCopy;
  PictureCopy titleCopy;
  PictureCopy instructionsCopy;
  PictureCopy gameOverCopy;
  // Builds the title's list and copy alone, for the first frame.
  void loadTitle();
  // Builds the four lists from "./images" (the files chosen), in the order
  // background, title, instructions, game over, each with its copy. Called
  // once at start-up; a list already built is left as it is.
  void load();
  void setRect(double newTop, double newRight, double newBottom,
               double newLeft);

  // The playing field, blended with the alpha test, before the board each
  // frame on the Playing screen.
  void drawBackground() const;
  // The screen pictures, drawn opaque whatever their alpha says.
  void drawTitle() const;
  void drawInstructions() const;
  void drawGameOver() const;

  // Each draw enables what it needs, disables it again and leaves the
  // current colour white. A picture that fills the window texel for pixel
  // is copied instead of drawn, which gives the same pixels: the screen
  // pictures always, the playing field when it has no translucent texel.

  // Whether the rectangle is exactly the window and the picture its size:
  // then the picture is copied, covering every pixel of the window.
  bool showsOneToOne(const PictureCopy& copy) const;

 private:
  // Moves and scales the unit sprite onto the rectangle (inside a push).
  void placeOnRect() const;
  void drawOpaque(int list, const PictureCopy& copy) const;
};

// The process-wide scenery.
Scenery& scenery();
