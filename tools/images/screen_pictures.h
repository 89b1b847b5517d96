// The full-screen pictures of the title, instructions and game-over
// screens: 800 x 600 (4:3), opaque, lettered with FreeType.
#pragma once

#include "tools/images/canvas.h"
#include "tools/images/fonts.h"

// The game's name and "click to start".
Canvas titlePicture(const FontPaths& fonts);
// How to play, and "click to continue".
Canvas instructionsPicture(const FontPaths& fonts);
// The same for guided play, whose last step says the result updates as you
// link and h hints, instead of T.
Canvas guidedInstructionsPicture(const FontPaths& fonts);
// A closing message and "click to play again".
Canvas gameOverPicture(const FontPaths& fonts);
// The same without the sentence under the heading, where guided play
// writes its own count.
Canvas guidedGameOverPicture(const FontPaths& fonts);
// The icon, pixels square (a divisor of 512): a start shape linked through
// a node to a target shape on a rounded tile, transparent around it.
Canvas iconPicture(int pixels);
