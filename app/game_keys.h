// The keys the game answers, listed once: the browser page takes these and
// leaves every other key to the browser (F5, Tab, Ctrl+R and the rest).
#pragma once

#include <algorithm>
#include <iterator>

// A key as GLUT hands it to the callbacks: a character to the keyboard
// callback (Ctrl with a letter arrives as its control code, Ctrl+Z as 26),
// or a GLUT_KEY_* code to the special-key callback.
struct ToolkitKey {
  bool special = false;
  int code = 0;

  bool operator==(const ToolkitKey& other) const {
    return special == other.special && code == other.code;
  }
};

// Every key the classic game acts on belongs here; guided play's own are
// listed in app/guided_keys.h.
inline constexpr ToolkitKey gameKeys[] = {
    {false, 't'},  // evaluates the chain
};

inline bool isGameKey(const ToolkitKey& key) {
  return std::find(std::begin(gameKeys), std::end(gameKeys), key) !=
         std::end(gameKeys);
}
