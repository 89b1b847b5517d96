// Entry of the browser edition: the puzzle the page's address names, the
// page's canvas as the window, held at the largest 4:3 size that fits below
// the page's menu, and the browser paces the frames.
#include <emscripten.h>
#include <emscripten/html5.h>

#include "app/callbacks.h"
#include "app/frame_loop.h"
#include "app/game.h"
#include "app/page_input.h"
#include "app/page_place.h"
#include "render/camera.h"
#include "render/game_window.h"
#include "render/window_request.h"
#include "render/world.h"

namespace {

// The browser window's new size reaches the game as a reshape of the 4:3
// size that fits in it. The browser's GLUT takes the canvas for the screen,
// which bounds the camera's request, so the canvas gets the size first.
void fitToBrowser(int width, int height) {
  height -= EM_ASM_INT(return document.getElementById("menu").offsetHeight);
  const WindowSize fit = fourThreeRequest(width, {width, height});
  requestWindowSize(fit.width, fit.height);
  onReshape(fit.width, fit.height);
}

EM_BOOL onBrowserResize(int, const EmscriptenUiEvent* event, void*) {
  fitToBrowser(event->windowInnerWidth, event->windowInnerHeight);
  return EM_FALSE;
}

// Runs once the puzzle has been chosen, which for a pack served beside
// the page is after its download.
void play() {
  int argc = 1;
  char name[] = "linkloom";
  char* argv[] = {name, nullptr};
  // Without WebGL there is no window; the page says so instead.
  if (!GameWindow{}.open(argc, argv)) return;
  emscripten_set_window_title(kWindowTitle);
  registerDrawingCallbacks();
  // The page has shown its progress bar while the data came; the whole of
  // start-up runs before the first frame.
  game().init();
  game().finishStartUp();

  fitToBrowser(EM_ASM_INT(return window.innerWidth),
               EM_ASM_INT(return window.innerHeight));
  emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr,
                                 EM_FALSE, onBrowserResize);
  registerPageInput();
  // The browser's animation frames drive the redraws, so nothing runs
  // between them.
  runFrameLoop();
}

}  // namespace

int main() {
  startPagePuzzle(play);
  return 0;
}
