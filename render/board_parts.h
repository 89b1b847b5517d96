// Pieces of the board drawing that other drawings of the board reuse, and
// how the board draws the links off the live chain.
#pragma once

#include "puzzle/node.h"

struct BoardLook {
  // Opacity of links that are not on the live chain: 1 draws every link
  // alike; guided play dims the others so the chain that counts stands out.
  float offChainLinkAlpha = 1.0f;
};

// Process-wide; the board reads it every frame.
BoardLook& boardLook();

// The link picture from one node to another, 0.6 of their distance long
// and across, in the current colour. Needs texturing and blending enabled.
void drawLink(const Node& from, const Node& to, int linkSprite);
// The selector ring, twice a node's side, over a node in the current
// colour; the same needs.
void drawMark(const Node& node, int selectorSprite);
