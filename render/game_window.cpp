// Opening the game's window through GLUT.
#include "render/game_window.h"

#include <GL/freeglut.h>

bool GameWindow::open(int& argc, char** argv) const {
  glutInit(&argc, argv);
  glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
  if (sized) glutInitWindowSize(width, height);
  if (atScreenCorner) glutInitWindowPosition(0, 0);
  return glutCreateWindow(title) != 0;
}
