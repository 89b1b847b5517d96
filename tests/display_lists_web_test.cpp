// The browser build's display lists, compiled natively: names handed out,
// recorded drawing replayed, deleted lists gone.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <vector>

#include "render/display_list.h"

namespace {

struct DisplayListsTest : ::testing::Test {
  std::vector<int> drawn;
  // Compiles a list whose replay records its mark.
  void compileMark(GLuint list, int mark) {
    compileList(list, [this, mark] { drawn.push_back(mark); });
  }
};

TEST_F(DisplayListsTest, CompilingDrawsNothingAndEachCallReplays) {
  const GLuint list = glGenLists(1);
  compileMark(list, 7);
  EXPECT_TRUE(drawn.empty());
  glCallList(list);
  glCallList(list);
  EXPECT_EQ(drawn, (std::vector<int>{7, 7}));
}

TEST_F(DisplayListsTest, ARangeHoldsConsecutiveListsOfTheirOwn) {
  const GLuint base = glGenLists(3);
  ASSERT_NE(base, 0u);
  for (GLuint i = 0; i < 3; ++i) compileMark(base + i, static_cast<int>(i));
  glCallList(base + 2);
  glCallList(base);
  EXPECT_EQ(drawn, (std::vector<int>{2, 0}));
  EXPECT_TRUE(glIsList(base + 1));
}

TEST_F(DisplayListsTest, RecompilingReplacesTheDrawing) {
  const GLuint list = glGenLists(1);
  compileMark(list, 1);
  compileMark(list, 2);
  glCallList(list);
  EXPECT_EQ(drawn, (std::vector<int>{2}));
}

TEST_F(DisplayListsTest, DeletedAndUnknownListsDrawNothing) {
  const GLuint base = glGenLists(2);
  compileMark(base, 1);
  compileMark(base + 1, 2);
  glDeleteLists(base, 2);
  EXPECT_FALSE(glIsList(base));
  // A deleted name is not compiled into again.
  compileMark(base, 3);
  glCallList(base);
  glCallList(base + 1);
  glCallList(0);
  EXPECT_TRUE(drawn.empty());
  EXPECT_GT(glGenLists(1), base + 1) << "names are never reused";
}

TEST_F(DisplayListsTest, AnUncompiledListAndAnEmptyRangeDrawNothing) {
  const GLuint list = glGenLists(1);
  EXPECT_TRUE(glIsList(list));
  glCallList(list);
  EXPECT_TRUE(drawn.empty());
  EXPECT_EQ(glGenLists(0), 0u);
}

}  // namespace
