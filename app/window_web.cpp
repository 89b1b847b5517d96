// The window in the browser: the canvas, whose size the game asks for.
#include <GL/freeglut.h>
#include <emscripten/html5.h>

// The browser's GLUT would answer a size request with a reshape at once,
// and the reshape asks again; here, as from a desktop window manager, the
// request only changes the size, and the reshape that follows a change
// comes from the page (app/main_web.cpp).
extern "C" void glutReshapeWindow(int width, int height) {
  emscripten_set_canvas_element_size("#canvas", width, height);
}
