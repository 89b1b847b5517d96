// GLUT callbacks.
#include "app/callbacks.h"

#include <GL/freeglut.h>

#include "app/game.h"
#include "app/game_keys.h"
#include "app/guided_keys.h"
#include "app/guided_screen.h"
#include "app/level_supply.h"
#include "app/redraw.h"
#include "app/spoken_play.h"
#include "puzzle/board.h"
#include "puzzle/game_state.h"
#include "puzzle/play_view.h"
#include "puzzle/screen_flow.h"
#include "render/camera.h"
#include "render/pointer.h"

void onReshape(int width, int height) {
  camera().reshape(width, height);
  askForFrame();
}

void onDisplay() { game().display(); }

namespace {

// Input that may need the board or the other pictures finds them built.
void finishStartUp() {
  if (!game().active) runOrExit(&Game::finishStartUp);
}

// A frame is asked for only when the event changed what the window shows.
void askForFrameIfChanged(const PlayView& before) {
  if (!viewOf(board(), gameState()).looksLike(before)) askForFrame();
}

void trackPointer(int x, int y) {
  finishStartUp();
  const PlayView before = viewOf(board(), gameState());
  pointer().track(x, y);
  board().hoverAt(pointer().worldX, pointer().worldY);
  askForFrameIfChanged(before);
}

}  // namespace

void onMouseDrag(int x, int y) { trackPointer(x, y); }

void onMouseMove(int x, int y) { trackPointer(x, y); }

void onMouseButton(int button, int state, int, int) {
  finishStartUp();
  if (waitsForLevel()) return;
  const PlayView before = viewOf(board(), gameState());
  const bool boardPress = gameState().screenState == ScreenState::Playing &&
                          state == GLUT_DOWN && button == GLUT_LEFT_BUTTON;
  const PressNote note =
      notePress(board().nearestNode(pointer().worldX, pointer().worldY));
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
  if (boardPress) noteGuidedClick(note);
  askForFrameIfChanged(before);
}

void onKey(unsigned char key, int, int) {
  finishStartUp();
  if (waitsForLevel()) return;
  if (movesOnFromScreen(key)) {
    onMouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0);
    onMouseButton(GLUT_LEFT_BUTTON, GLUT_UP, 0, 0);
    return;
  }
  const PlayView before = viewOf(board(), gameState());
  if (gameActionOf({false, key}) == GameAction::Evaluate) board().evaluate();
  // A guided key may change what no view compares, such as the hint.
  if (pressGuidedKey(key)) askForFrame();
  askForFrameIfChanged(before);
}

void onSpecialKey(int key, int, int) {
  pointer();
  if (pressGuidedSpecialKey(key)) askForFrame();
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
