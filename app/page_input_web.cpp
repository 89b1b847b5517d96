// Input from the browser page. The browser's GLUT cancels every key once a
// key callback is set and treats the wheel as buttons 3 and 4 from a
// passive listener it cannot cancel; the page's own events let the game
// take only what it uses and leave the rest to the browser. A finger or a
// pen acts as the left button where it touches.
#include <GL/freeglut.h>
#include <emscripten.h>
#include <emscripten/html5.h>

#include <optional>

#include "app/callbacks.h"
#include "app/guided_keys.h"
#include "app/page_input.h"
#include "app/page_keys.h"
#include "puzzle/guided_play.h"

namespace {

// The pointer and the wheel's buttons beyond these are the browser's own
// (back and forward); GLUT numbers the game's buttons as the DOM does.
constexpr unsigned short lastGameButton = GLUT_RIGHT_BUTTON;

struct WindowPixel {
  int x = 0;
  int y = 0;
};

// The page's events count CSS pixels from the canvas's corner; the game
// counts the canvas's drawing buffer, which is at the screen's pixel ratio.
WindowPixel windowPixel(double cssX, double cssY) {
  double cssWidth = 0.0;
  double cssHeight = 0.0;
  emscripten_get_element_css_size("#canvas", &cssWidth, &cssHeight);
  int width = 0;
  int height = 0;
  emscripten_get_canvas_element_size("#canvas", &width, &height);
  const double xScale = cssWidth > 0.0 ? width / cssWidth : 1.0;
  const double yScale = cssHeight > 0.0 ? height / cssHeight : 1.0;
  return {static_cast<int>(cssX * xScale), static_cast<int>(cssY * yScale)};
}

// Where the game last saw the pointer, so that a press elsewhere moves it
// there first: a mouse the page saw no motion of (one that pressed as the
// page loaded, say) acts where it presses.
std::optional<WindowPixel>& lastMotion() {
  static std::optional<WindowPixel> at;
  return at;
}

void movePointer(WindowPixel at, bool held) {
  lastMotion() = at;
  if (held) {
    onMouseDrag(at.x, at.y);
  } else {
    onMouseMove(at.x, at.y);
  }
}

// The browser's GLUT hands its motion callbacks the position before the
// move, so the canvas's own events carry the motion: a drag while a button
// is held.
EM_BOOL onCanvasMouseMove(int, const EmscriptenMouseEvent* event, void*) {
  movePointer(windowPixel(event->targetX, event->targetY), event->buttons != 0);
  return EM_FALSE;
}

// A press counts on the canvas alone, and is cancelled there as GLUT did,
// so that a click never selects the page.
EM_BOOL onCanvasMouseDown(int, const EmscriptenMouseEvent* event, void*) {
  if (event->button > lastGameButton) return EM_FALSE;
  const WindowPixel at = windowPixel(event->targetX, event->targetY);
  const auto& last = lastMotion();
  if (!last || last->x != at.x || last->y != at.y) movePointer(at, false);
  onMouseButton(event->button, GLUT_DOWN, at.x, at.y);
  return EM_TRUE;
}

// A release counts anywhere, as a desktop window grabs the pointer while a
// button is held.
EM_BOOL onPageMouseUp(int, const EmscriptenMouseEvent* event, void*) {
  if (event->button > lastGameButton) return EM_FALSE;
  const WindowPixel at = windowPixel(event->targetX, event->targetY);
  onMouseButton(event->button, GLUT_UP, at.x, at.y);
  return EM_FALSE;
}

// clang-format off
// The browser's GLUT, on a touch screen, makes mouse events of the
// canvas's touches from a listener of its own on the window; a listener
// there before it holds them back, as the pointer events below carry them.
EM_JS(void, holdTouchesFromToolkit, (), {
  for (const type of ["touchstart", "touchmove", "touchend"])
    addEventListener(type, event => {
      if (event.target === Module.canvas) event.stopImmediatePropagation();
    }, true);
});

// Touch and pen come as pointer events. Their pointerdown is cancelled, so
// the browser makes no mouse events of them, and the canvas's touch-action
// keeps the page from scrolling or zooming under a finger. One finger or
// pen at a time acts, as the left button: 0 presses, 1 drags, 2 lifts.
EM_JS(void, listenToTouchAndPen, (), {
  const canvas = Module.canvas;
  let acting = null;
  const tell = (event, phase) => {
    const box = canvas.getBoundingClientRect();
    Module._linkloomTouch(phase, event.clientX - box.left,
                          event.clientY - box.top);
  };
  canvas.addEventListener("pointerdown", event => {
    if (event.pointerType === "mouse" || acting !== null) return;
    event.preventDefault();
    acting = event.pointerId;
    canvas.setPointerCapture(acting);
    tell(event, 0);
  });
  canvas.addEventListener("pointermove", event => {
    if (event.pointerId === acting) tell(event, 1);
  });
  const lift = event => {
    if (event.pointerId !== acting) return;
    acting = null;
    tell(event, 2);
  };
  canvas.addEventListener("pointerup", lift);
  canvas.addEventListener("pointercancel", lift);
});
// clang-format on

// The classic game's keys, and guided play's while it is on.
bool takesKey(const ToolkitKey& key) {
  if (isGameKey(key)) return true;
  if (!guidedPlay().on) return false;
  const auto action =
      key.special ? guidedActionOfSpecial(key.code)
                  : guidedActionOf(static_cast<unsigned char>(key.code));
  return action.has_value();
}

// Only the game's keys reach it, and only their default is cancelled (Space
// would scroll, Enter would press a control). A
// held key repeats nothing, as on the desktop, which ignores key repeat.
EM_BOOL onCanvasKeyDown(int, const EmscriptenKeyboardEvent* event, void*) {
  const auto key =
      toolkitKey(event->key, event->ctrlKey, event->altKey, event->metaKey);
  if (!key || !takesKey(*key)) return EM_FALSE;
  if (event->repeat) return EM_TRUE;
  if (key->special) {
    onSpecialKey(key->code, 0, 0);
  } else {
    onKey(static_cast<unsigned char>(key->code), 0, 0);
  }
  return EM_TRUE;
}

}  // namespace

// A touch or pen moves the pointer to where it presses, then presses there.
// Once it lifts, the pointer leaves by the canvas's top edge, where no node
// lies, so that no hover mark stays where a finger was.
extern "C" EMSCRIPTEN_KEEPALIVE void linkloomTouch(int phase, double cssX,
                                                   double cssY) {
  const WindowPixel at = windowPixel(cssX, cssY);
  switch (phase) {
    case 0:
      movePointer(at, false);
      onMouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, at.x, at.y);
      break;
    case 1: movePointer(at, true); break;
    case 2:
      onMouseButton(GLUT_LEFT_BUTTON, GLUT_UP, at.x, at.y);
      movePointer({at.x, -1}, false);
      break;
  }
}

void keepTouchesFromToolkit() { holdTouchesFromToolkit(); }

void registerPageInput() {
  const char* const window = EMSCRIPTEN_EVENT_TARGET_WINDOW;
  emscripten_set_mousemove_callback("#canvas", nullptr, EM_FALSE,
                                    onCanvasMouseMove);
  emscripten_set_mousedown_callback("#canvas", nullptr, EM_FALSE,
                                    onCanvasMouseDown);
  emscripten_set_mouseup_callback(window, nullptr, EM_FALSE, onPageMouseUp);
  listenToTouchAndPen();
  // Keys only while the canvas has the focus: Tab and the menu stay the
  // page's, and a screen reader's own keys reach it elsewhere.
  emscripten_set_keydown_callback("#canvas", nullptr, EM_FALSE,
                                  onCanvasKeyDown);
}
