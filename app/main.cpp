// Entry: open the window, register the callbacks, start the game.
#include <GL/freeglut.h>

#include "app/callbacks.h"
#include "app/game.h"

namespace {
constexpr const char* windowTitle = "Linkloom, Quillfen";
constexpr int windowWidth = 800;
constexpr int windowHeight = 600;
}  // namespace

int main(int argc, char** argv) {
  glutInit(&argc, argv);
  glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
  glutInitWindowSize(windowWidth, windowHeight);
  glutCreateWindow(windowTitle);
  glutPositionWindow(100, 100);
  registerCallbacks();
  glutIgnoreKeyRepeat(1);
  game().init();
  glutMainLoop();
  return 0;
}
