// Display synchronisation: swap control from the driver, and waiting for
// the next frame without holding back input.
#pragma once

#include <chrono>

// Asks the driver to swap at the display's refresh, through whichever of
// GLX_EXT_swap_control, GLX_MESA_swap_control or GLX_SGI_swap_control it
// offers; without any of them nothing changes. Needs the current window.
void enableSwapControl();

// Sleeps until the toolkit's X connection has input or the timeout passes,
// so a wait between frames never delays a click. The desktop's alone: the
// browser never waits between frames.
void waitForInput(std::chrono::nanoseconds timeout);
