// Entry: open the window, register the callbacks, start the game.
#include <GL/freeglut.h>

#include <cstdio>
#include <stdexcept>

#include "app/callbacks.h"
#include "app/game.h"
#include "app/window.h"

int main(int argc, char** argv) {
  glutInit(&argc, argv);
  glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
  glutInitWindowSize(windowWidth, windowHeight);
  glutCreateWindow(windowTitle);
  glutPositionWindow(100, 100);
  registerCallbacks();
  glutIgnoreKeyRepeat(1);
  // A font that cannot be built ends the game here, with FreeType's
  // failing step on standard error, rather than through an abort.
  try {
    game().init();
  } catch (const std::runtime_error& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  glutMainLoop();
  return 0;
}
