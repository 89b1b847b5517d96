// The desktop's frame loop: redraws paced by the frame pacer, none while
// the window is hidden.
#pragma once

// Registers the idle and window-status callbacks that pace the redraws,
// then runs the toolkit's main loop. Needs the window and the game's init.
void runFrameLoop();
