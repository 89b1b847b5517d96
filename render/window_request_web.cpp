// Asking for a window size in the browser: the canvas takes it.
#include <emscripten/html5.h>

#include "render/window_request.h"

// The browser's GLUT would answer glutReshapeWindow with a reshape at once,
// and the reshape asks again; here, as from a desktop window manager, the
// request only changes the size, and the reshape that follows a change
// comes from the page (app/main_web.cpp).
void requestWindowSize(int width, int height) {
  emscripten_set_canvas_element_size("#canvas", width, height);
}
