// GLUT callbacks.
#include "app/callbacks.h"

#include <GL/freeglut.h>

#include "app/game.h"
#include "puzzle/board.h"
#include "render/camera.h"

void onReshape(int width, int height) { camera().reshape(width, height); }

void onDisplay() { game().display(); }

void onIdle() {
  game();
  glutPostRedisplay();
}

void onMouseDrag(int, int) {}

void onMouseMove(int, int) {}

void onMouseButton(int, int, int, int) {}

void onKey(unsigned char key, int, int) {
  if (key == 't') board().evaluate();
}

void onOtherKey(unsigned char, int, int) {}

void onOtherKey(int, int, int) {}

void registerCallbacks() {
  glutReshapeFunc(onReshape);
  glutDisplayFunc(onDisplay);
  glutIdleFunc(onIdle);
  glutMotionFunc(onMouseDrag);
  glutPassiveMotionFunc(onMouseMove);
  glutMouseFunc(onMouseButton);
  glutKeyboardFunc(onKey);
  glutKeyboardUpFunc(onOtherKey);
  glutSpecialFunc(onOtherKey);
  glutSpecialUpFunc(onOtherKey);
}
