// GLUT callbacks.
#include "app/callbacks.h"

#include <GL/freeglut.h>

#include "app/game.h"
#include "app/guided_keys.h"
#include "app/guided_screen.h"
#include "puzzle/board.h"
#include "puzzle/game_state.h"
#include "puzzle/screen_flow.h"
#include "render/camera.h"
#include "render/pointer.h"

void onReshape(int width, int height) { camera().reshape(width, height); }

void onDisplay() { game().display(); }

namespace {

// Input that may need the board or the other pictures finds them built.
void finishStartUp() {
  if (!game().active) runOrExit(&Game::finishStartUp);
}

void trackPointer(int x, int y) {
  finishStartUp();
  pointer().track(x, y);
  board().hoverAt(pointer().worldX, pointer().worldY);
}

}  // namespace

void onMouseDrag(int x, int y) { trackPointer(x, y); }

void onMouseMove(int x, int y) { trackPointer(x, y); }

void onMouseButton(int button, int state, int, int) {
  finishStartUp();
  // The click's own pixel is not mapped again: the board acts on the
  // position of the last motion event.
  const ButtonEffect effect =
      routeButton(board(), gameState(), static_cast<MouseButton>(button),
                  state == GLUT_DOWN, pointer().worldX, pointer().worldY);
  if (effect == ButtonEffect::ClearBuffers)
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  // The restart rebuilds the glyph font.
  if (effect == ButtonEffect::Restart) runOrExit(&Game::restart);
  noteGuidedPress();
}

void onKey(unsigned char key, int, int) {
  finishStartUp();
  if (key == 't') board().evaluate();
  pressGuidedKey(key);
}

void onSpecialKey(int key, int, int) {
  pointer();
  pressGuidedSpecialKey(key);
}

void onOtherKey(unsigned char, int, int) { pointer(); }

void onOtherKey(int, int, int) { pointer(); }

void registerDrawingCallbacks() {
  glutReshapeFunc(onReshape);
  glutDisplayFunc(onDisplay);
}

void registerInputCallbacks() {
  glutMotionFunc(onMouseDrag);
  glutPassiveMotionFunc(onMouseMove);
  glutMouseFunc(onMouseButton);
  glutKeyboardFunc(onKey);
  glutKeyboardUpFunc(onOtherKey);
  glutSpecialFunc(onSpecialKey);
  glutSpecialUpFunc(onOtherKey);
}
