// The desktop's frame loop on GLUT's idle callback, installed only while
// there is work for it: without one the toolkit sleeps on its X connection
// until input, an expose or a timer arrives.
#include "app/frame_loop.h"

#include <GL/freeglut.h>

#include "app/display_sync.h"
#include "app/frame_pacer.h"
#include "app/game.h"
#include "app/redraw.h"

namespace {

struct FrameLoop {
  bool framePending = false;  // a frame was asked for and not yet drawn
  bool visible = true;        // nothing is drawn into a hidden window
};

FrameLoop& frameLoop() {
  static FrameLoop instance;
  return instance;
}

void onIdle();

// The title shows through the window's first expose; until then, and
// until start-up has finished, the idle callback stays.
bool hasWork() {
  const FrameLoop& loop = frameLoop();
  return loop.visible && (loop.framePending || !game().active);
}

// Runs the rest of start-up once the title shows, one step a pass so the
// loop looks for input between steps; then draws an asked-for frame when
// the pacer lets it, and otherwise waits for that or for input.
void onIdle() {
  Game& current = game();
  if (!current.active) {
    if (!current.titleShown) {
      waitForInput(frameInterval);
      return;
    }
    runOrExit(&Game::continueStartUp);
    // The finished start-up is shown once, then the loop rests.
    if (current.active) askForFrame();
    return;
  }
  if (!frameLoop().framePending) {
    glutIdleFunc(nullptr);
    return;
  }
  const auto wait = framePacer().waitBeforeFrame(PaceClock::now());
  // Input ends the wait early; the next idle pass waits out the rest.
  if (wait > PaceClock::duration::zero()) {
    waitForInput(wait);
    return;
  }
  frameLoop().framePending = false;
  glutPostRedisplay();
}

// A hidden window is left alone; shown again, it is drawn afresh.
void onWindowStatus(int status) {
  frameLoop().visible = status != GLUT_HIDDEN;
  if (frameLoop().visible)
    askForFrame();
  else
    glutIdleFunc(nullptr);
}

void onTimer(int) { askForFrame(); }

}  // namespace

void askForFrame() {
  frameLoop().framePending = true;
  if (hasWork()) glutIdleFunc(onIdle);
}

void askForFrameAt(std::chrono::steady_clock::time_point at) {
  const auto wait = std::chrono::ceil<std::chrono::milliseconds>(
      at - std::chrono::steady_clock::now());
  glutTimerFunc(static_cast<unsigned>(wait.count() > 0 ? wait.count() : 0),
                onTimer, 0);
}

void runFrameLoop() {
  glutIdleFunc(onIdle);
  glutWindowStatusFunc(onWindowStatus);
  glutMainLoop();
}
