// Guided play's keys.
#include "app/guided_keys.h"

#include <GL/freeglut.h>

#include <iterator>

#include "app/spoken_play.h"
#include "puzzle/board.h"
#include "puzzle/game_state.h"
#include "puzzle/guided_play.h"
#include "puzzle/key_focus.h"
#include "puzzle/link_editing.h"

namespace {

// GLUT hands Ctrl with a letter over as that letter's control character.
constexpr int controlOf(char letter) { return letter - 'a' + 1; }

}  // namespace

const GuidedKey guidedKeys[16] = {
    {"arrows", GLUT_KEY_UP, true, GuidedAction::FocusUp, 0},
    {"arrows", GLUT_KEY_DOWN, true, GuidedAction::FocusDown, 0},
    {"arrows", GLUT_KEY_LEFT, true, GuidedAction::FocusLeft, 0},
    {"arrows", GLUT_KEY_RIGHT, true, GuidedAction::FocusRight, 0},
    {"Enter", '\r', false, GuidedAction::Press, 0},
    {"Space", ' ', false, GuidedAction::Press, 0},
    {"Esc", 27, false, GuidedAction::Drop, 0},
    {"d", 'd', false, GuidedAction::Read, 0},
    {"r", 'r', false, GuidedAction::Clear, 1},
    {"u", 'u', false, GuidedAction::Undo, 1},
    {"Ctrl+Z", controlOf('z'), false, GuidedAction::Undo, 1},
    {"Ctrl+Y", controlOf('y'), false, GuidedAction::Redo, 1},
    {"Shift+U", 'U', false, GuidedAction::Redo, 1},
    {"h", 'h', false, GuidedAction::Hint, 1},
    {"?", '?', false, GuidedAction::Help, 1},
    {"F1", GLUT_KEY_F1, true, GuidedAction::Help, 1}};

namespace {

std::optional<GuidedAction> find(int code, bool special) {
  for (const GuidedKey& key : guidedKeys) {
    if (key.code == code && key.special == special) return key.action;
  }
  return std::nullopt;
}

void moveFocus(FocusStep step) {
  GuidedPlay& play = guidedPlay();
  play.focus = focusAfter(play.focus, step);
  sayFocus();
}

void pressFocused() {
  Node* focused = board().node(guidedPlay().focus);
  const PressNote note = notePress(focused);
  pressNode(board(), *focused);
  guidedPlay().afterPress(board());
  sayPress(note);
}

bool act(std::optional<GuidedAction> action) {
  GuidedPlay& play = guidedPlay();
  GameState& state = gameState();
  if (!play.on || !action || state.screenState != ScreenState::Playing)
    return false;
  switch (*action) {
    case GuidedAction::FocusUp: moveFocus(FocusStep::Up); break;
    case GuidedAction::FocusDown: moveFocus(FocusStep::Down); break;
    case GuidedAction::FocusLeft: moveFocus(FocusStep::Left); break;
    case GuidedAction::FocusRight: moveFocus(FocusStep::Right); break;
    case GuidedAction::Press: pressFocused(); break;
    case GuidedAction::Drop:
      if (board().selectedNode != nullptr) {
        dropSelection(board());
        sayDropped();
      }
      break;
    case GuidedAction::Read: sayLevel(); break;
    case GuidedAction::Clear:
      play.clear(board(), state);
      sayResult();
      break;
    case GuidedAction::Undo:
      if (play.undo(board(), state)) sayResult();
      break;
    case GuidedAction::Redo:
      if (play.redo(board(), state)) sayResult();
      break;
    case GuidedAction::Hint: play.askHint(board(), state); break;
    case GuidedAction::Help:
      state.screenState = ScreenState::Instructions;
      break;
  }
  return true;
}

// The keys of one line of the key list, or of every line for -1.
std::string keyList(int line, const char* gap) {
  std::string list;
  const GuidedKey* previous = nullptr;
  for (const GuidedKey& key : guidedKeys) {
    if (line >= 0 && key.line != line) continue;
    const bool sameAction = previous != nullptr &&
                            std::string(guidedActionName(previous->action)) ==
                                guidedActionName(key.action);
    if (previous != nullptr && !sameAction)
      list += std::string(" ") + guidedActionName(previous->action) + gap;
    if (sameAction && std::string(previous->name) != key.name) list += "/";
    if (!sameAction || std::string(previous->name) != key.name)
      list += key.name;
    previous = &key;
  }
  if (previous != nullptr)
    list += std::string(" ") + guidedActionName(previous->action);
  return list;
}

}  // namespace

const char* guidedActionName(GuidedAction action) {
  switch (action) {
    case GuidedAction::FocusUp:
    case GuidedAction::FocusDown:
    case GuidedAction::FocusLeft:
    case GuidedAction::FocusRight: return "move";
    case GuidedAction::Press: return "press";
    case GuidedAction::Drop: return "drop";
    case GuidedAction::Read: return "read";
    case GuidedAction::Clear: return "clear";
    case GuidedAction::Undo: return "undo";
    case GuidedAction::Redo: return "redo";
    case GuidedAction::Hint: return "hint";
    case GuidedAction::Help: return "help";
  }
  return "";
}

std::optional<GuidedAction> guidedActionOf(unsigned char key) {
  return find(key, false);
}

std::optional<GuidedAction> guidedActionOfSpecial(int key) {
  return find(key, true);
}

std::vector<std::string> guidedKeyLines() {
  return {keyList(0, "   "), keyList(1, "   ")};
}

std::string guidedKeySentence() { return "Keys: " + keyList(-1, ", "); }

bool pressGuidedKey(unsigned char key) { return act(guidedActionOf(key)); }

bool pressGuidedSpecialKey(int key) { return act(guidedActionOfSpecial(key)); }

bool movesOnFromScreen(unsigned char key) {
  return guidedPlay().on && guidedActionOf(key) == GuidedAction::Press &&
         gameState().screenState != ScreenState::Playing;
}
