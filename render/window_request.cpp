// Asking for a window size on the desktop: GLUT passes it to the window
// manager.
#include "render/window_request.h"

#include <GL/freeglut.h>

void requestWindowSize(int width, int height) {
  glutReshapeWindow(width, height);
}
