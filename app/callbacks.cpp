// GLUT callbacks.
#include "app/callbacks.h"

#include <GL/freeglut.h>

#include <cstdlib>

#include "app/game.h"
#include "puzzle/board.h"
#include "puzzle/game_state.h"
#include "puzzle/screen_flow.h"
#include "render/camera.h"
#include "render/pointer.h"

void onReshape(int width, int height) { camera().reshape(width, height); }

void onDisplay() { game().display(); }

namespace {

void trackPointer(int x, int y) {
  pointer().track(x, y);
  board().hoverAt(pointer().worldX, pointer().worldY);
}

// The restart rebuilds the glyph font; a font that fails to build ends the
// game with FreeType's failing step on standard error.
void restartOrExit() {
  if (!runReportingFailure(&Game::restart)) std::exit(1);
}

}  // namespace

void onMouseDrag(int x, int y) { trackPointer(x, y); }

void onMouseMove(int x, int y) { trackPointer(x, y); }

void onMouseButton(int button, int state, int, int) {
  // The click's own pixel is not mapped again: the board acts on the
  // position of the last motion event.
  const ButtonEffect effect =
      routeButton(board(), gameState(), static_cast<MouseButton>(button),
                  state == GLUT_DOWN, pointer().worldX, pointer().worldY);
  if (effect == ButtonEffect::ClearBuffers)
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  if (effect == ButtonEffect::Restart) restartOrExit();
}

void onKey(unsigned char key, int, int) {
  if (key == 't') board().evaluate();
}

void onOtherKey(unsigned char, int, int) { pointer(); }

void onOtherKey(int, int, int) { pointer(); }

void registerCallbacks() {
  glutReshapeFunc(onReshape);
  glutDisplayFunc(onDisplay);
  glutMotionFunc(onMouseDrag);
  glutPassiveMotionFunc(onMouseMove);
  glutMouseFunc(onMouseButton);
  glutKeyboardFunc(onKey);
  glutKeyboardUpFunc(onOtherKey);
  glutSpecialFunc(onOtherKey);
  glutSpecialUpFunc(onOtherKey);
}
