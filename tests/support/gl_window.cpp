// Test support: the GLUT window on a private server and the object counts.
#include "tests/support/gl_window.h"

#include <GL/freeglut.h>

#include <cstdlib>

#include "render/game_window.h"

void GlWindow::open(int width, int height, const char* title) {
  ASSERT_TRUE(screen.start());
  setenv("DISPLAY", screen.name.c_str(), 1);
  int argc = 1;
  char name[] = "linkloom_tests";
  char* argv[] = {name, nullptr};
  GameWindow window;
  window.width = width;
  window.height = height;
  // Read back through X, the window must lie wholly on the screen.
  window.atScreenCorner = true;
  window.title = title;
  window.open(argc, argv);
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
