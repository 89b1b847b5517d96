// The playing field behind the board.
#pragma once

#include "tools/images/canvas.h"
#include "tools/images/fonts.h"

// Full window, 800 x 600, opaque and light. Its decoration and labels keep
// clear of the board (x -30 to 30, y 24 to 72 with the nodes' marks) and of
// the start (-41, 48), result (41, 48) and target (-22, 10) shapes at their
// largest, so nothing the player reads is drawn over. Its note at the
// bottom right says T tests the chain.
Canvas playfieldPicture(const FontPaths& fonts);
// The same field for guided play: the note, at the top right, says the
// result updates as you link, and the bottom edge is left to the game's
// key list.
Canvas guidedPlayfieldPicture(const FontPaths& fonts);
