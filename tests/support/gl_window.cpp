// Test support: the GLUT window on a private server and the object counts.
#include "tests/support/gl_window.h"

#include <GL/freeglut.h>

#include <cstdlib>

void GlWindow::open(int width, int height, const char* title) {
  ASSERT_TRUE(screen.start());
  setenv("DISPLAY", screen.name.c_str(), 1);
  int argc = 1;
  char name[] = "linkloom_tests";
  char* argv[] = {name, nullptr};
  glutInit(&argc, argv);
  glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
  glutInitWindowSize(width, height);
  // Read back through X, the window must lie wholly on the screen.
  glutInitWindowPosition(0, 0);
  glutCreateWindow(title);
}

void GlWindow::close() { glutExit(); }

int liveTextures(unsigned upTo) {
  int count = 0;
  for (GLuint name = 1; name <= upTo; ++name) count += glIsTexture(name);
  return count;
}

int liveLists(unsigned upTo) {
  int count = 0;
  for (GLuint name = 1; name <= upTo; ++name) count += glIsList(name);
  return count;
}
