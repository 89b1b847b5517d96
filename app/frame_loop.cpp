// The desktop's frame loop on GLUT's idle callback.
#include "app/frame_loop.h"

#include <GL/freeglut.h>

#include "app/display_sync.h"
#include "app/frame_pacer.h"
#include "app/game.h"

namespace {

// Asks for a redraw when the next frame is due, and otherwise waits for it
// or for input.
void onIdle() {
  game();
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
