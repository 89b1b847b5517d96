// Keys in the browser page: the DOM's key names turned into GLUT's codes.
#include <GL/freeglut.h>

#include <string>

#include "app/page_keys.h"

namespace {

struct NamedKey {
  const char* name;
  ToolkitKey key;
};

// The DOM's names of the keys that are not characters, as the desktop's
// GLUT delivers them.
constexpr NamedKey namedKeys[] = {
    {"Backspace", {false, 8}},
    {"Tab", {false, 9}},
    {"Enter", {false, 13}},
    {"Escape", {false, 27}},
    {"Delete", {false, 127}},
    {"ArrowLeft", {true, GLUT_KEY_LEFT}},
    {"ArrowUp", {true, GLUT_KEY_UP}},
    {"ArrowRight", {true, GLUT_KEY_RIGHT}},
    {"ArrowDown", {true, GLUT_KEY_DOWN}},
    {"PageUp", {true, GLUT_KEY_PAGE_UP}},
    {"PageDown", {true, GLUT_KEY_PAGE_DOWN}},
    {"Home", {true, GLUT_KEY_HOME}},
    {"End", {true, GLUT_KEY_END}},
    {"Insert", {true, GLUT_KEY_INSERT}},
};

// "F1" to "F12" as GLUT_KEY_F1 to GLUT_KEY_F12.
std::optional<ToolkitKey> functionKey(const std::string& name) {
  for (int number = 1; number <= 12; ++number)
    if (name == "F" + std::to_string(number))
      return ToolkitKey{true, GLUT_KEY_F1 + number - 1};
  return std::nullopt;
}

}  // namespace

std::optional<ToolkitKey> toolkitKey(const char* domKey, bool ctrl, bool alt,
                                     bool meta) {
  if (alt || meta) return std::nullopt;
  const std::string name = domKey;
  if (name.size() == 1 && name[0] >= ' ' && name[0] <= '~') {
    const char character = name[0];
    if (!ctrl) return ToolkitKey{false, character};
    const bool letter = (character >= 'a' && character <= 'z') ||
                        (character >= 'A' && character <= 'Z');
    if (letter) return ToolkitKey{false, character & 0x1f};
    return std::nullopt;
  }
  for (const NamedKey& named : namedKeys)
    if (name == named.name) return named.key;
  return functionKey(name);
}
