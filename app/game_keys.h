// The keys the game answers, listed once: the browser page takes these and
// leaves every other key to the browser (F5, Tab, Ctrl+R and the rest).
#pragma once

#include <optional>

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

enum class GameAction { Evaluate };

struct GameKey {
  ToolkitKey key;
  GameAction action;
};

// Every key the classic game acts on belongs here; guided play's own are
// listed in app/guided_keys.h.
inline constexpr GameKey gameKeys[] = {
    {{false, 't'}, GameAction::Evaluate},
};

// What the classic game does on a key-down; nothing for a key it ignores.
inline std::optional<GameAction> gameActionOf(const ToolkitKey& key) {
  for (const GameKey& entry : gameKeys)
    if (entry.key == key) return entry.action;
  return std::nullopt;
}

inline bool isGameKey(const ToolkitKey& key) {
  return gameActionOf(key).has_value();
}
