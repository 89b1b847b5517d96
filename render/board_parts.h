// Pieces of the board drawing that other drawings of the board reuse, and
// how the board draws the links off the live chain.
#pragma once

#include <vector>

#include "puzzle/node.h"

struct Board;
struct Shape;

struct BoardLook {
  // Opacity of links that are not on the live chain: 1 draws every link
  // alike; guided play dims the others so the chain that counts stands out.
  float offChainLinkAlpha = 1.0f;
  // Whether the selected node wears a second, wider ring, so that it
  // differs from the hovered node's single ring by shape.
  bool doubleRingOnSelection = false;
};

// Process-wide; the board reads it every frame.
BoardLook& boardLook();

// One sprite list on the board: moved to its centre, turned, scaled and
// tinted. Two equal records draw the same pixels, which is what lets a
// frame keep a picture of them.
struct SpriteDraw {
  unsigned list = 0;
  float x = 0.0f;  // world centre
  float y = 0.0f;
  bool turned = false;   // links turn; nothing else does
  float degrees = 0.0f;  // about the centre, counter-clockwise
  float scale = 1.0f;    // the unit square's side, world units
  float red = 1.0f;      // the tint
  float green = 1.0f;
  float blue = 1.0f;
  float alpha = 1.0f;

  // Draws it in the current colour; needs texturing and blending enabled.
  void place() const;
  // Sets its tint, then places it.
  void draw() const;
  bool operator==(const SpriteDraw& other) const;
};

// The link picture from one node to another, 0.6 of their distance long
// and across, white.
SpriteDraw linkDraw(const Node& from, const Node& to, int linkSprite);
// The selector ring, twice a node's side, over a node, white.
SpriteDraw markDraw(const Node& node, int selectorSprite);
// A shape's picture for its sides, twice its size across, in its colour.
SpriteDraw shapeDraw(const Shape& shape);

// Everything of the board beneath the selection marks, bottom first: each
// node's body in the level colour, its white outline and its link, then the
// start, result (when the chain reaches the sink) and target shapes.
std::vector<SpriteDraw> boardBase(const Board& board);
// The selected node's ring (two rings when the look asks for them), then
// the hovered node's, translucent red when a press there would be refused.
void drawMarks(const Board& board);
// Draws records in order, with the board's sprite state around them.
void drawSprites(const std::vector<SpriteDraw>& sprites);

// drawLink and drawMark place their records in the current colour.
void drawLink(const Node& from, const Node& to, int linkSprite);
void drawMark(const Node& node, int selectorSprite);
