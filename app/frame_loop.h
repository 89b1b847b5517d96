// The frame loop: a frame drawn only when one is asked for (app/redraw.h).
// The desktop paces frames with the frame pacer and draws none while the
// window is hidden; the browser draws in its animation frames.
#pragma once

// Registers what runs start-up and the asked-for frames, then runs the
// toolkit's or the browser's main loop, which does not return. Needs the
// window and the game's init.
void runFrameLoop();
