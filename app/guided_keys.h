// Guided play's keys, listed once: which toolkit key does what, the key
// list the playing screen shows, and acting on a key.
#pragma once

#include <optional>
#include <string>

enum class GuidedAction { Clear, Undo, Redo, Hint, Help };

struct GuidedKey {
  const char* name;  // as the player reads it: "r", "Ctrl+Z", "F1"
  int code;          // the character, or the toolkit's special key code
  bool special;
  GuidedAction action;
};

// Every key guided play takes, in the order the key list shows them; a
// platform that must tell which keys the game takes reads them here.
extern const GuidedKey guidedKeys[8];

// The action of a key-down as the toolkit reports it: the character
// (control characters for Ctrl with a letter) or, for special, the
// toolkit's special key code. Nothing for a key guided play does not take.
std::optional<GuidedAction> guidedActionOf(unsigned char key);
std::optional<GuidedAction> guidedActionOfSpecial(int key);

// "clear", "undo" and so on, as the key list names the actions.
const char* guidedActionName(GuidedAction action);

// "r clear   u/Ctrl+Z undo   ...": one line built from guidedKeys.
std::string guidedKeyList();

// Acts on a key in guided play; false, doing nothing, in the classic game
// or for a key guided play does not take. Edits and hints act only on the
// playing screen; help leaves it for the instructions, and the next click
// comes back to the level as it was.
bool pressGuidedKey(unsigned char key);
bool pressGuidedSpecialKey(int key);
