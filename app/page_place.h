// The browser page around the game: the puzzle its address names, the
// address kept at the level played, a pack opened from the player's disk,
// one-line notes, and the daily's result offered to copy.
#pragma once

// Reads the page's address and starts the puzzle it names the way the
// desktop starts the same options (app/puzzle_start.h), then calls play,
// which opens the window and runs the game. A pack served beside the page
// is downloaded first, so play may run after this returns. An address,
// download or pack that fails is shown as one line on the page, and the
// classic game is played at the plain address.
void startPagePuzzle(void (*play)());

// After each frame: the level in play is kept (app/kept_level.h), the
// address follows the level played, a daily's page shows the player's
// statistics as they change, guided play's
// notice is shown in the page's note, and the daily's result line, once
// there, is offered to copy.
void followPlayer();
