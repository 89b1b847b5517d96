// GLUT callbacks.
#include "app/callbacks.h"

#include <GL/freeglut.h>

#include "app/game.h"
#include "puzzle/board.h"
#include "puzzle/game_state.h"
#include "render/camera.h"
#include "render/pointer.h"

void onReshape(int width, int height) { camera().reshape(width, height); }

void onDisplay() { game().display(); }

void onIdle() {
  game();
  glutPostRedisplay();
}

namespace {

void trackPointer(int x, int y) {
  pointer().track(x, y);
  board().hoverAt(pointer().worldX, pointer().worldY);
}

// Any button down outside the playing screen moves on to the next screen;
// that press never reaches the board.
void leaveScreen() {
  GameState& state = gameState();
  switch (state.screenState) {
    case ScreenState::Instructions:
      glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
      break;
    case ScreenState::GameOver: game().restart(); break;
    case ScreenState::Title:
    case ScreenState::Playing: break;
  }
  state.screenState = screenAfterPress(state.screenState);
}

}  // namespace

void onMouseDrag(int x, int y) { trackPointer(x, y); }

void onMouseMove(int x, int y) { trackPointer(x, y); }

void onMouseButton(int button, int state, int, int) {
  const bool down = state == GLUT_DOWN;
  if (down && gameState().screenState != ScreenState::Playing) {
    leaveScreen();
    return;
  }
  // The click's own pixel is not mapped again: the board acts on the
  // position of the last motion event.
  board().pressAt(pointer().worldX, pointer().worldY,
                  down && button == GLUT_LEFT_BUTTON,
                  down && button == GLUT_RIGHT_BUTTON, down);
}

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
