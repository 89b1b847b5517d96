// Guided play's keys, listed once: which toolkit key does what, the key
// list the playing screen shows, and acting on a key.
#pragma once

#include <optional>
#include <string>
#include <vector>

enum class GuidedAction {
  FocusUp,
  FocusDown,
  FocusLeft,
  FocusRight,
  Press,  // the focused node, as a left click there
  Drop,   // the selection, without linking
  Read,   // the whole level, in words
  Clear,
  Undo,
  Redo,
  Hint,
  Help
};

struct GuidedKey {
  const char* name;  // as the player reads it: "r", "Ctrl+Z", "F1"
  int code;          // the character, or the toolkit's special key code
  bool special;
  GuidedAction action;
  int line;  // the key list's line: 0 moving about the board, 1 editing
};

// Every key guided play takes, in the order the key list shows them; a
// platform that must tell which keys the game takes reads them here.
extern const GuidedKey guidedKeys[16];

// The action of a key-down as the toolkit reports it: the character
// (control characters for Ctrl with a letter) or, for special, the
// toolkit's special key code. Nothing for a key guided play does not take.
std::optional<GuidedAction> guidedActionOf(unsigned char key);
std::optional<GuidedAction> guidedActionOfSpecial(int key);

// The key list's lines, built from guidedKeys: "arrows move   Enter/Space
// press ...", then "r clear   u/Ctrl+Z undo   ...".
std::vector<std::string> guidedKeyLines();
// The same as one sentence, for words.
std::string guidedKeySentence();

// "move", "press", "clear", "undo" and so on, as the key list names the
// actions.
const char* guidedActionName(GuidedAction action);

// Acts on a key in guided play; false, doing nothing, in the classic game
// or for a key guided play does not take. Edits, hints and the focus act
// only on the playing screen; help leaves it for the instructions, and the
// next click comes back to the level as it was.
bool pressGuidedKey(unsigned char key);
bool pressGuidedSpecialKey(int key);
// Whether the key moves on from the screen shown as a click does: Enter or
// Space in guided play, on a screen other than the playing one.
bool movesOnFromScreen(unsigned char key);
