// The keyboard's focus and play in words: the steps of the focus, and the
// sentences a player who cannot see the board hears.
#include "puzzle/play_words.h"

#include <gtest/gtest.h>

#include "puzzle/key_focus.h"
#include "puzzle/level_set.h"
#include "puzzle/levels.h"
#include "puzzle/link_history.h"
#include "tests/chain.h"
#include "tests/fresh_play.h"
#include "tests/solving_chains.h"

namespace {

int cell(int row, int column) { return row * gridColumns + column; }

TEST(KeyFocus, ArrowsStepOnTheGridAndThroughTheEnds) {
  EXPECT_EQ(focusAfter(cell(1, 1), FocusStep::Up), cell(0, 1));
  EXPECT_EQ(focusAfter(cell(1, 1), FocusStep::Down), cell(2, 1));
  EXPECT_EQ(focusAfter(cell(1, 1), FocusStep::Left), cell(1, 0));
  EXPECT_EQ(focusAfter(cell(1, 1), FocusStep::Right), cell(1, 2));
  // The grid's top and bottom edges hold the focus.
  EXPECT_EQ(focusAfter(cell(0, 2), FocusStep::Up), cell(0, 2));
  EXPECT_EQ(focusAfter(cell(3, 2), FocusStep::Down), cell(3, 2));
  // Off the first column to the source, off the last to the sink, from any
  // row.
  EXPECT_EQ(focusAfter(cell(3, 0), FocusStep::Left), kSourceIndex);
  EXPECT_EQ(focusAfter(cell(0, 3), FocusStep::Right), kSinkIndex);
  // The ends lead into the second row, and only sideways.
  EXPECT_EQ(focusAfter(kSourceIndex, FocusStep::Right), cell(1, 0));
  EXPECT_EQ(focusAfter(kSinkIndex, FocusStep::Left), cell(1, 3));
  for (const FocusStep still :
       {FocusStep::Up, FocusStep::Down, FocusStep::Left})
    EXPECT_EQ(focusAfter(kSourceIndex, still), kSourceIndex);
  for (const FocusStep still :
       {FocusStep::Up, FocusStep::Down, FocusStep::Right})
    EXPECT_EQ(focusAfter(kSinkIndex, still), kSinkIndex);
}

struct WordsTest : FreshPlayTest {
  void TearDown() override {
    useLevels({builtInLevels.begin(), builtInLevels.end()});
  }
  // Presses the node as Enter does, and gives what is said of it.
  std::vector<std::string> press(Node* node) {
    const PlayView before = viewOf(b, state);
    const Refusal refusal = pressRefusal(b, node);
    pressNode(b, *node);
    return pressWords(b, before, node, refusal);
  }
};

TEST_F(WordsTest, NodesAreNamedByRowAndColumnFromOne) {
  EXPECT_EQ(nodeName(b, b.gridNode(0, 0)), "row 1, column 1");
  EXPECT_EQ(nodeName(b, b.gridNode(1, 2)), "row 2, column 3");
  EXPECT_EQ(nodeName(b, b.sourceNode), "the source");
  EXPECT_EQ(nodeName(b, b.sinkNode), "the sink");
}

TEST_F(WordsTest, AClampedNodeSaysItsShapeAndWhichLimitStoppedIt) {
  Level level = builtInLevels[0];
  level.startSize = 3.0f;
  level.deltas[cell(1, 0)] = {-4.0f, 0, 0.0f};
  b.setLevel(level);
  b.sourceNode->next = b.gridNode(1, 0);
  const Shape& start = b.startShape;
  EXPECT_EQ(focusWords(b, b.gridNode(1, 0)),
            "row 2, column 1; leaves size 2, " + std::to_string(start.sides) +
                " corners, hue " + std::to_string(static_cast<int>(start.hue)) +
                "; size stopped at its limit");
  // The source says where its link goes, but not its shape, the start's.
  EXPECT_EQ(focusWords(b, b.sourceNode),
            "the source, links to row 2, column 1");
  // Off the chain, only the place.
  EXPECT_EQ(focusWords(b, b.gridNode(3, 3)), "row 4, column 4");
}

TEST_F(WordsTest, PressesSaySelectionLinksAndARefusedLinkBack) {
  Node* first = b.gridNode(1, 0);
  Node* second = b.gridNode(1, 1);
  EXPECT_EQ(press(first), std::vector<std::string>{"row 2, column 1 selected"});
  EXPECT_EQ(focusWords(b, first), "row 2, column 1, selected");
  EXPECT_EQ(press(second), (std::vector<std::string>{
                               "Linked row 2, column 1 to row 2, column 2",
                               "The chain does not reach the sink yet"}));
  // A link that brings a node onto the chain says the shape leaving it.
  press(b.sourceNode);
  const std::vector<std::string> onChain = press(first);
  ASSERT_EQ(onChain.size(), 3u);
  EXPECT_EQ(onChain[0], "Linked the source to row 2, column 1");
  EXPECT_EQ(onChain[1].rfind("row 2, column 1 leaves size ", 0), 0u);
  EXPECT_EQ(onChain[2], "The chain does not reach the sink yet");
  press(second);
  EXPECT_EQ(press(first),
            std::vector<std::string>{
                "Refused: row 2, column 1 already links to row 2, column 2"});
  EXPECT_EQ(press(b.sourceNode),
            std::vector<std::string>{"Refused: nothing links into the source"});
  EXPECT_EQ(press(b.gridNode(3, 3)),
            std::vector<std::string>{
                "Refused: row 4, column 4 is out of reach of row 2, column 2"});
  // Pressed again, the selected node drops its link (it has none here)
  // and the selection.
  EXPECT_EQ(press(second).front(), "Selection dropped");
  press(first);
  EXPECT_EQ(press(first).front(), "Removed the link from row 2, column 1");
  EXPECT_EQ(press(b.sinkNode),
            std::vector<std::string>{"The sink links to nothing"});
}

TEST_F(WordsTest, TheResultIsSaidAgainstTheTargetOrAsAMatch) {
  EXPECT_EQ(resultWords(b), "The chain does not reach the sink yet");
  linkChain(b, {{0, 0}, {0, 1}, {0, 2}, {0, 3}});
  const std::string target = shapeWords(b.targetShape);
  const std::string said = resultWords(b);
  EXPECT_EQ(said.rfind("Result size ", 0), 0u) << said;
  EXPECT_NE(said.find("; target " + target), std::string::npos) << said;
  clearLinks(b);
  linkChain(b, solvingChains[0]);
  EXPECT_EQ(resultWords(b), "Result matches the target");
}

TEST_F(WordsTest, TheWholeLevelIsReadNodeByNode) {
  GuidedPlay play;
  play.puzzleName = "two.pack";
  useLevels({builtInLevels[0], builtInLevels[1]});
  b.loadLevel();
  linkChain(b, solvingChains[0]);
  const std::vector<std::string> words = levelWords(play, b);
  ASSERT_EQ(words.size(), 10u);
  EXPECT_EQ(words[0], "two.pack - level 1 of 2");
  EXPECT_EQ(words[1], "Start " + shapeWords(b.startShape) + "; target " +
                          shapeWords(b.targetShape));
  EXPECT_EQ(words[2], "Limits: size 2 to 8, 3 to 8 corners, hue 0 to 320");
  EXPECT_EQ(words[3], "Chain from the source:");
  EXPECT_EQ(words[4].rfind("row 1, column 1 leaves size ", 0), 0u) << words[4];
  EXPECT_EQ(words[8], "the sink leaves " + shapeWords(b.targetShape));
  EXPECT_EQ(words[9], "Result matches the target");
}

TEST_F(WordsTest, HintsNameBothNodes) {
  Hint hint{Hint::Kind::NextLink, b.gridNode(1, 2), b.gridNode(1, 3)};
  EXPECT_EQ(hintWords(hint, b),
            "Hint: link row 2, column 3 to row 2, column 4");
  hint.kind = Hint::Kind::WrongLink;
  EXPECT_EQ(hintWords(hint, b),
            "Hint: remove the link from row 2, column 3 to row 2, column 4");
  EXPECT_EQ(hintWords(Hint{}, b), "");
}

}  // namespace
