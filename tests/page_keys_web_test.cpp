// The browser page's keys, compiled natively: which DOM keys stand for
// which toolkit keys, and which of them the game takes from the browser.
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include "app/page_keys.h"

namespace {

std::optional<ToolkitKey> plain(const char* name) {
  return toolkitKey(name, false, false, false);
}

TEST(PageKeysTest, CharactersAndNamedKeysArriveAsOnTheDesktop) {
  EXPECT_EQ(plain("t"), (ToolkitKey{false, 't'}));
  EXPECT_EQ(plain("U"), (ToolkitKey{false, 'U'})) << "Shift is in the key";
  EXPECT_EQ(plain("?"), (ToolkitKey{false, '?'}));
  EXPECT_EQ(plain(" "), (ToolkitKey{false, ' '}));
  EXPECT_EQ(plain("Tab"), (ToolkitKey{false, 9}));
  EXPECT_EQ(plain("Escape"), (ToolkitKey{false, 27}));
  EXPECT_EQ(plain("F1"), (ToolkitKey{true, GLUT_KEY_F1}));
  EXPECT_EQ(plain("F12"), (ToolkitKey{true, GLUT_KEY_F12}));
  EXPECT_EQ(plain("ArrowDown"), (ToolkitKey{true, GLUT_KEY_DOWN}));
  // Ctrl turns a letter into its control code, either case.
  EXPECT_EQ(toolkitKey("z", true, false, false), (ToolkitKey{false, 26}));
  EXPECT_EQ(toolkitKey("Y", true, false, false), (ToolkitKey{false, 25}));
  EXPECT_EQ(toolkitKey("F5", true, false, false),
            (ToolkitKey{true, GLUT_KEY_F5}));
}

TEST(PageKeysTest, KeysTheToolkitDoesNotKnowAndAltOrMetaChordsAreNone) {
  for (const char* name : {"Shift", "Control", "Unidentified", "F13", "Fn", "",
                           "\xc3\xa9", "Dead", "tt"})
    EXPECT_FALSE(plain(name)) << name;
  EXPECT_FALSE(toolkitKey("t", false, true, false));
  EXPECT_FALSE(toolkitKey("t", false, false, true));
  EXPECT_FALSE(toolkitKey("ArrowLeft", false, true, false));
  EXPECT_FALSE(toolkitKey("1", true, false, false));
}

TEST(PageKeysTest, TheGameTakesItsOwnKeysAndLeavesTheRest) {
  EXPECT_EQ(gameActionOf(*plain("t")), GameAction::Evaluate);
  EXPECT_TRUE(isGameKey(*plain("t")));
  for (const char* name : {"T", "F5", "F11", "F12", "Tab", "Escape",
                           "Backspace", "ArrowUp", "ArrowLeft", "PageDown"})
    EXPECT_FALSE(isGameKey(*plain(name))) << name;
  // Ctrl+T opens a tab in the browser: it is not the game's "t".
  EXPECT_FALSE(isGameKey(*toolkitKey("t", true, false, false)));
}

}  // namespace
