// The desktop's frame loop on GLUT's idle callback.
#include "app/frame_loop.h"

#include <GL/freeglut.h>

#include "app/display_sync.h"
#include "app/frame_pacer.h"
#include "app/game.h"

namespace {

// Runs the rest of start-up once the title shows, one step a pass so the
// loop looks for input between steps; then asks for a redraw when the next
// frame is due, and otherwise waits for it or for input.
void onIdle() {
  Game& current = game();
  if (!current.active) {
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

// Nothing is drawn into a hidden window, so the loop sleeps until the
// window shows again instead of waking for frames.
void onWindowStatus(int status) {
  glutIdleFunc(status == GLUT_HIDDEN ? nullptr : onIdle);
}

}  // namespace

void runFrameLoop() {
  glutIdleFunc(onIdle);
  glutWindowStatusFunc(onWindowStatus);
  glutMainLoop();
}
