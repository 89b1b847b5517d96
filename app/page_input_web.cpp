// Input from the browser page. The browser's GLUT cancels every key once a
// key callback is set and treats the wheel as buttons 3 and 4 from a
// passive listener it cannot cancel; the page's own events let the game
// take only what it uses and leave the rest to the browser.
#include <GL/freeglut.h>
#include <emscripten/html5.h>

#include "app/callbacks.h"
#include "app/guided_keys.h"
#include "app/page_input.h"
#include "app/page_keys.h"
#include "puzzle/guided_play.h"

namespace {

// The pointer and the wheel's buttons beyond these are the browser's own
// (back and forward); GLUT numbers the game's buttons as the DOM does.
constexpr unsigned short lastGameButton = GLUT_RIGHT_BUTTON;

// The browser's GLUT hands its motion callbacks the position before the
// move, so the canvas's own events carry the motion, in canvas pixels (the
// canvas is as many CSS pixels as it has): a drag while a button is held.
EM_BOOL onCanvasMouseMove(int, const EmscriptenMouseEvent* event, void*) {
  const int x = static_cast<int>(event->targetX);
  const int y = static_cast<int>(event->targetY);
  if (event->buttons != 0) {
    onMouseDrag(x, y);
  } else {
    onMouseMove(x, y);
  }
  return EM_FALSE;
}

// A press counts on the canvas alone, and is cancelled there as GLUT did,
// so that a click never selects the page.
EM_BOOL onCanvasMouseDown(int, const EmscriptenMouseEvent* event, void*) {
  if (event->button > lastGameButton) return EM_FALSE;
  onMouseButton(event->button, GLUT_DOWN, static_cast<int>(event->targetX),
                static_cast<int>(event->targetY));
  return EM_TRUE;
}

// A release counts anywhere, as a desktop window grabs the pointer while a
// button is held.
EM_BOOL onPageMouseUp(int, const EmscriptenMouseEvent* event, void*) {
  if (event->button > lastGameButton) return EM_FALSE;
  onMouseButton(event->button, GLUT_UP, static_cast<int>(event->targetX),
                static_cast<int>(event->targetY));
  return EM_FALSE;
}

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

void registerPageInput() {
  const char* const window = EMSCRIPTEN_EVENT_TARGET_WINDOW;
  emscripten_set_mousemove_callback("#canvas", nullptr, EM_FALSE,
                                    onCanvasMouseMove);
  emscripten_set_mousedown_callback("#canvas", nullptr, EM_FALSE,
                                    onCanvasMouseDown);
  emscripten_set_mouseup_callback(window, nullptr, EM_FALSE, onPageMouseUp);
  // Keys only while the canvas has the focus: Tab and the menu stay the
  // page's, and a screen reader's own keys reach it elsewhere.
  emscripten_set_keydown_callback("#canvas", nullptr, EM_FALSE,
                                  onCanvasKeyDown);
}
