// The browser build's display lists, compiled natively: names handed out,
// recorded drawing replayed, deleted lists gone.
#include <gtest/gtest.h>

#include <vector>

#include "render/display_list.h"
#include "render/page_quads.h"

namespace {

// The runs of quad draws that replays ended: the GL emulation would draw
// with the quads' program bound.
int quadRunsEnded = 0;

}  // namespace

void endPageQuads() { ++quadRunsEnded; }

namespace {

struct DisplayListsTest : ::testing::Test {
  std::vector<int> drawn;
  // Compiles a list whose replay records its mark.
  void compileMark(unsigned list, int mark) {
    compileList(list, [this, mark] { drawn.push_back(mark); });
  }
};

TEST_F(DisplayListsTest, CompilingDrawsNothingAndEachCallReplays) {
  const unsigned list = newLists(1);
  compileMark(list, 7);
  EXPECT_TRUE(drawn.empty());
  callList(list);
  callList(list);
  EXPECT_EQ(drawn, (std::vector<int>{7, 7}));
}

TEST_F(DisplayListsTest, EachReplayEndsTheQuadsRunBeforeItDraws) {
  const unsigned list = newLists(1);
  std::vector<int> endedAtReplay;
  compileList(list, [&] { endedAtReplay.push_back(quadRunsEnded); });
  const int before = quadRunsEnded;
  callList(list);
  callList(list);
  EXPECT_EQ(endedAtReplay, (std::vector<int>{before + 1, before + 2}));
}

TEST_F(DisplayListsTest, ARangeHoldsConsecutiveListsOfTheirOwn) {
  const unsigned base = newLists(3);
  ASSERT_NE(base, 0u);
  for (unsigned i = 0; i < 3; ++i) compileMark(base + i, static_cast<int>(i));
  callList(base + 2);
  callList(base);
  callList(base + 1);
  EXPECT_EQ(drawn, (std::vector<int>{2, 0, 1}));
}

TEST_F(DisplayListsTest, RecompilingReplacesTheDrawing) {
  const unsigned list = newLists(1);
  compileMark(list, 1);
  compileMark(list, 2);
  callList(list);
  EXPECT_EQ(drawn, (std::vector<int>{2}));
}

TEST_F(DisplayListsTest, DeletedAndUnknownListsDrawNothing) {
  const unsigned base = newLists(2);
  compileMark(base, 1);
  compileMark(base + 1, 2);
  deleteLists(base, 2);
  // A deleted name is not compiled into again.
  compileMark(base, 3);
  callList(base);
  callList(base + 1);
  callList(0);
  EXPECT_TRUE(drawn.empty());
  EXPECT_GT(newLists(1), base + 1) << "names are never reused";
}

TEST_F(DisplayListsTest, AnUncompiledListAndAnEmptyRangeDrawNothing) {
  const unsigned list = newLists(1);
  callList(list);
  EXPECT_TRUE(drawn.empty());
  EXPECT_EQ(newLists(0), 0u);
  EXPECT_EQ(newLists(-1), 0u);
}

}  // namespace
