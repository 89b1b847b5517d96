// Asking for a window size: the camera holds the window at 4:3 through it.
#pragma once

// Asks for a window of width x height pixels. The answer, a reshape at the
// new size, comes later and only when the size changed: on the desktop
// from the window manager, in the browser from the page.
void requestWindowSize(int width, int height);
