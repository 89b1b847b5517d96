// Entry of the browser edition: the puzzle the page's address names, the
// page's canvas as the window, held at the largest 4:3 size that fits
// between the page's menu and guided play's buttons, and the browser paces
// the frames.
#include <emscripten.h>
#include <emscripten/html5.h>

#include "app/callbacks.h"
#include "app/frame_loop.h"
#include "app/game.h"
#include "app/guided_buttons.h"
#include "app/kept_level.h"
#include "app/page_input.h"
#include "app/page_place.h"
#include "render/camera.h"
#include "render/game_window.h"
#include "render/window_request.h"
#include "render/world.h"

namespace {

// The page's room for the board, below its menu and above guided play's
// buttons, reaches the game as a reshape of the largest 4:3 size that fits
// in it, counted in the screen's own pixels, so that the board is as sharp
// as the screen; the canvas shows it over as many CSS pixels as cover
// them. The browser's GLUT takes the canvas for the screen, which bounds
// the camera's request, so the canvas gets the size first.
void fitToPage() {
  double roomWidth = 0.0;
  double roomHeight = 0.0;
  emscripten_get_element_css_size("#stage", &roomWidth, &roomHeight);
  double buttonsWidth = 0.0;
  double buttonsHeight = 0.0;
  emscripten_get_element_css_size("#buttons", &buttonsWidth, &buttonsHeight);
  roomHeight -= buttonsHeight;
  const double reported = emscripten_get_device_pixel_ratio();
  const double ratio = reported > 0.0 ? reported : 1.0;
  const int width = static_cast<int>(roomWidth * ratio);
  const WindowSize buffer =
      fourThreeRequest(width, {width, static_cast<int>(roomHeight * ratio)});
  emscripten_set_element_css_size("#canvas", buffer.width / ratio,
                                  buffer.height / ratio);
  requestWindowSize(buffer.width, buffer.height);
  onReshape(buffer.width, buffer.height);
}

// A new window size, a zoom, or the page moved to a screen of another
// pixel ratio.
EM_BOOL onBrowserResize(int, const EmscriptenUiEvent*, void*) {
  fitToPage();
  return EM_FALSE;
}

// Runs once the puzzle has been chosen, which for a pack served beside
// the page is after its download.
void play() {
  int argc = 1;
  char name[] = "linkloom";
  char* argv[] = {name, nullptr};
  keepTouchesFromToolkit();
  // Without WebGL there is no window; the page says so instead.
  if (!GameWindow{}.open(argc, argv)) return;
  emscripten_set_window_title(kWindowTitle);
  registerDrawingCallbacks();
  // The page has shown its progress bar while the data came; the whole of
  // start-up runs before the first frame.
  game().init();
  game().finishStartUp();
  openFinishedDaily();

  showGuidedButtons();
  fitToPage();
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
