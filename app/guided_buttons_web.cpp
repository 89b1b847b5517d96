// Guided play's buttons in the browser page, made from the key table so
// that a button and its key can never differ. The page's own script
// (web/index.html) defines Module.addGuidedButton.
#include <emscripten.h>

#include <iterator>
#include <string>

#include "app/callbacks.h"
#include "app/guided_buttons.h"
#include "app/guided_keys.h"
#include "puzzle/guided_play.h"

namespace {

// clang-format off
EM_JS(void, addGuidedButton, (const char* action, const char* keys, int key), {
  Module.addGuidedButton(UTF8ToString(action), UTF8ToString(keys), key);
});
// clang-format on

}  // namespace

// Called by a button: key is the index in guidedKeys of the key whose
// press the button stands for.
extern "C" EMSCRIPTEN_KEEPALIVE void linkloomPressGuidedKey(int key) {
  if (key < 0 || key >= static_cast<int>(std::size(guidedKeys))) return;
  const GuidedKey& pressed = guidedKeys[key];
  if (pressed.special) {
    onSpecialKey(pressed.code, 0, 0);
  } else {
    onKey(static_cast<unsigned char>(pressed.code), 0, 0);
  }
}

void showGuidedButtons() {
  if (!guidedPlay().on) return;
  // The table lists each action's keys one after another. The first line's
  // keys move and press a focus, which a tap on the board does itself: the
  // buttons are the second line's, the edits, the hint and the help.
  std::size_t first = 0;
  while (first < std::size(guidedKeys)) {
    const GuidedAction action = guidedKeys[first].action;
    if (guidedKeys[first].line != 1) {
      ++first;
      continue;
    }
    std::string keys = guidedKeys[first].name;
    std::size_t next = first + 1;
    for (; next < std::size(guidedKeys) && guidedKeys[next].action == action;
         ++next)
      keys += std::string(", ") + guidedKeys[next].name;
    addGuidedButton(guidedActionName(action), keys.c_str(),
                    static_cast<int>(first));
    first = next;
  }
}
