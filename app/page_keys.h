// Keys in the browser page, as the toolkit would name them.
#pragma once

#include <optional>

#include "app/game_keys.h"

// The toolkit key a browser keydown stands for, from the DOM's key value
// (KeyboardEvent.key) and the held modifiers: a printable ASCII character
// as itself, and with Ctrl a letter as its control code; Backspace, Tab,
// Enter, Escape and Delete as their ASCII codes; F1 to F12, the arrows,
// Page Up, Page Down, Home, End and Insert as GLUT_KEY_* codes. Chords with
// Alt or Meta, and any other key, stand for none: they are the browser's.
std::optional<ToolkitKey> toolkitKey(const char* domKey, bool ctrl, bool alt,
                                     bool meta);
