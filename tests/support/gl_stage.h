// Test support: the game's drawing set up inside the test process. A GLUT
// window of 800 x 600 on a private Xvfb with the game's GL state, the camera
// reshaped to it, and the scenery, board sprites and board built from plain
// test pictures in a temporary run directory.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "render/picture_files.h"
#include "tests/support/gl_window.h"

// The test pictures, chosen so a read-back pixel tells what was drawn:
// - background.png: 800 x 600, opaque grey 128;
// - titlescreen.png, instructions.png, gameover.png: 800 x 600, blue, green
//   and red, all fully transparent (alpha 0);
// - shapeN.png: 32 x 32, opaque grey 30 * N;
// - node.png: 2 x 2 opaque white;
// - nodeoutline.png, selector.png: 8 x 8, the outer two texels opaque
//   white, the 4 x 4 middle clear;
// - link.png: 2 x 2 opaque, red and green over blue and yellow.
constexpr int kBackgroundGrey = 128;
int shapeGrey(int sides);

// Loads a level with nothing selected or hovered and the chain short of
// the sink, as a test's board starts.
void loadQuietLevel(int index);
// Draws a Playing frame as Game::display does, into the back buffer.
void drawPlayingFrame();
// The whole back buffer at the camera's size, RGB rows from the bottom.
std::vector<unsigned char> backBuffer();
// The back buffer's colour at a world point, or at a window pixel counted
// from the bottom-left.
Rgb worldPixel(float x, float y);
Rgb windowPixel(int x, int y);
// What a draw may switch on, and the current colour.
struct GlState {
  bool texture, blend, alphaTest;
  std::array<float, 4> colour;
  bool operator==(const GlState& other) const;
};
GlState glState();
// What every draw leaves behind: nothing switched on, the colour white.
constexpr GlState kPutBack{false, false, false, {1.0f, 1.0f, 1.0f, 1.0f}};
void PrintTo(const GlState& state, std::ostream* out);

// Within tolerance on every channel; the message shows both colours.
testing::AssertionResult near(const Rgb& actual, const Rgb& expected,
                              int tolerance = 3);
