// The board's sprite pictures: white or near-white where the game's colour
// is to tint them, transparent around them.
#pragma once

#include "tools/images/canvas.h"

// Sizes in pixels: what each sprite covers in an 800 x 600 window, at
// 8 pixels per world unit, so no texture is larger than it is drawn.
constexpr int kShapePixels = 128;    // shapes up to 16 units
constexpr int kNodePixels = 64;      // the 4-unit node at twice its size
constexpr int kSelectorPixels = 64;  // the 8-unit mark
constexpr int kLinkPixels = 80;      // links up to about 10 units

// A white regular polygon with 3 to 8 corners filling the square, its rim
// a little darker so the tinted shape has an edge.
Canvas shapePicture(int sides);
// A white disc, shaded towards its edge, white at its centre.
Canvas nodePicture();
// A white ring with a dark outer edge, transparent inside.
Canvas nodeOutlinePicture();
// A soft white ring wide enough to leave the node's colour in view.
Canvas selectorPicture();
// A dark arrow along +x with a light halo.
Canvas linkPicture();
