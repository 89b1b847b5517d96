// GLUT callbacks.
#include "app/callbacks.h"

#include <GL/freeglut.h>

#include <cstdlib>

#include "app/display_sync.h"
#include "app/frame_pacer.h"
#include "app/game.h"
#include "puzzle/board.h"
#include "puzzle/game_state.h"
#include "puzzle/screen_flow.h"
#include "render/camera.h"
#include "render/pointer.h"

void onReshape(int width, int height) { camera().reshape(width, height); }

void onDisplay() { game().display(); }

namespace {

// A step that fails (a glyph font that cannot be built, or no memory) ends
// the game, with its one line on standard error.
void runOrExit(void (Game::*step)()) {
  if (!runReportingFailure(step)) std::exit(1);
}

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

void onIdle() {
  Game& current = game();
  if (!current.active) {
    // The title first; then the rest of start-up, one step a pass, so
    // the loop looks for input between steps.
    if (current.titleShown)
      runOrExit(&Game::continueStartUp);
    else
      waitForInput(frameInterval);
    return;
  }
  const auto wait = framePacer().waitBeforeFrame(PaceClock::now());
  // Input ends the wait early; the next idle pass waits out the rest.
  if (wait > PaceClock::duration::zero()) {
    waitForInput(wait);
    return;
  }
  glutPostRedisplay();
}

void onWindowStatus(int status) {
  // Nothing is drawn into a hidden window, so the loop sleeps until the
  // window shows again instead of waking for frames.
  glutIdleFunc(status == GLUT_HIDDEN ? nullptr : onIdle);
}

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
}

void onKey(unsigned char key, int, int) {
  finishStartUp();
  if (key == 't') board().evaluate();
}

void onOtherKey(unsigned char, int, int) { pointer(); }

void onOtherKey(int, int, int) { pointer(); }

void registerCallbacks() {
  glutReshapeFunc(onReshape);
  glutDisplayFunc(onDisplay);
  glutIdleFunc(onIdle);
  glutWindowStatusFunc(onWindowStatus);
  glutMotionFunc(onMouseDrag);
  glutPassiveMotionFunc(onMouseMove);
  glutMouseFunc(onMouseButton);
  glutKeyboardFunc(onKey);
  glutKeyboardUpFunc(onOtherKey);
  glutSpecialFunc(onOtherKey);
  glutSpecialUpFunc(onOtherKey);
}
