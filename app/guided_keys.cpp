// Guided play's keys.
#include "app/guided_keys.h"

#include <GL/freeglut.h>

#include <iterator>

#include "puzzle/board.h"
#include "puzzle/game_state.h"
#include "puzzle/guided_play.h"

namespace {

// GLUT hands Ctrl with a letter over as that letter's control character.
constexpr int controlOf(char letter) { return letter - 'a' + 1; }

}  // namespace

const GuidedKey guidedKeys[8] = {
    {"r", 'r', false, GuidedAction::Clear},
    {"u", 'u', false, GuidedAction::Undo},
    {"Ctrl+Z", controlOf('z'), false, GuidedAction::Undo},
    {"Ctrl+Y", controlOf('y'), false, GuidedAction::Redo},
    {"Shift+U", 'U', false, GuidedAction::Redo},
    {"h", 'h', false, GuidedAction::Hint},
    {"?", '?', false, GuidedAction::Help},
    {"F1", GLUT_KEY_F1, true, GuidedAction::Help}};

namespace {

std::optional<GuidedAction> find(int code, bool special) {
  for (const GuidedKey& key : guidedKeys) {
    if (key.code == code && key.special == special) return key.action;
  }
  return std::nullopt;
}

bool act(std::optional<GuidedAction> action) {
  GuidedPlay& play = guidedPlay();
  GameState& state = gameState();
  if (!play.on || !action || state.screenState != ScreenState::Playing)
    return false;
  switch (*action) {
    case GuidedAction::Clear: play.clear(board(), state); break;
    case GuidedAction::Undo: play.undo(board(), state); break;
    case GuidedAction::Redo: play.redo(board(), state); break;
    case GuidedAction::Hint: play.askHint(board(), state); break;
    case GuidedAction::Help:
      state.screenState = ScreenState::Instructions;
      break;
  }
  return true;
}

}  // namespace

const char* guidedActionName(GuidedAction action) {
  switch (action) {
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

std::string guidedKeyList() {
  std::string list;
  for (std::size_t i = 0; i < std::size(guidedKeys); ++i) {
    const bool first =
        i == 0 || guidedKeys[i - 1].action != guidedKeys[i].action;
    const bool last = i + 1 == std::size(guidedKeys) ||
                      guidedKeys[i + 1].action != guidedKeys[i].action;
    if (first && i > 0) list += "   ";
    if (!first) list += "/";
    list += guidedKeys[i].name;
    if (last) list += std::string(" ") + guidedActionName(guidedKeys[i].action);
  }
  return list;
}

bool pressGuidedKey(unsigned char key) { return act(guidedActionOf(key)); }

bool pressGuidedSpecialKey(int key) { return act(guidedActionOfSpecial(key)); }
