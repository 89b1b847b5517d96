// Guided play's rules: the traced chain, undo and redo, hints that solve
// levels, and the texts that say where the player is.
#include "puzzle/guided_play.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "puzzle/chain_search.h"
#include "puzzle/chain_trace.h"
#include "puzzle/hint.h"
#include "puzzle/level_generator.h"
#include "puzzle/level_progress.h"
#include "puzzle/level_set.h"
#include "puzzle/link_editing.h"
#include "tests/chain.h"
#include "tests/solving_chains.h"

namespace {

// Presses as the mouse makes them, a node at a time; presses read the
// process-wide pause flag, which stays clear here.
void press(Board& b, const Node* node) {
  b.pressAt(node->x, node->y, true, false, true);
}
void link(Board& b, const Node* from, const Node* to) {
  press(b, from);
  press(b, to);
}

// Follows hints alone from the board as it is until the level is solved;
// the count of hints taken, or -1 when they ran out or went round.
int solveByHints(Board& b) {
  const LevelSolutions solutions = solveLoadedLevel(b, true);
  for (int taken = 0; taken < 40; ++taken) {
    if (b.evaluate()) return taken;
    const Hint hint = findHint(b, solutions);
    Node* from = b.node(b.indexOf(hint.from));
    switch (hint.kind) {
      case Hint::Kind::None: return -1;
      case Hint::Kind::NextLink: from->next = b.node(b.indexOf(hint.to)); break;
      case Hint::Kind::WrongLink: from->next = nullptr; break;
    }
  }
  return -1;
}

int shortestLinks(const Board& b) {
  return static_cast<int>(solveLoadedLevel(b).shortest.front().size()) - 1;
}

struct GuidedTest : ::testing::Test {
  Board b;
  GameState state;
  void SetUp() override {
    useLevels({builtInLevels.begin(), builtInLevels.end()});
    gameState() = GameState{};
    linkMode() = LinkMode::Idle;
    b.build();
  }
  // The level set is process-wide: later tests find the built-in one.
  void TearDown() override {
    useLevels({builtInLevels.begin(), builtInLevels.end()});
  }
};

TEST_F(GuidedTest, TheTraceGivesTheShapeAfterEachNodeAsEvaluationDoes) {
  // Level 1 worked through: size 2, +4, -4 (0 held at 2), -2, +4, sink.
  linkChain(b, solvingChains[0]);
  const std::vector<TracedNode> trace = traceChain(b);
  ASSERT_EQ(trace.size(), 6u);
  const float sizes[] = {2, 6, 2, 2, 6, 6};
  for (std::size_t i = 0; i < trace.size(); ++i) {
    EXPECT_EQ(trace[i].leaving.size, sizes[i]) << i;
    EXPECT_EQ(trace[i].leaving.sides, 4) << i;
  }
  EXPECT_TRUE(b.evaluate());
  EXPECT_TRUE(trace.back().leaving.equals(b.resultShape));
  EXPECT_EQ(trace.back().leaving.red, b.resultShape.red);

  // A chain that ends short, and one into a loop: the trace stops at the
  // last node before the loop, whose link is not live.
  b.sourceNode->next = b.gridNode(0, 0);
  b.gridNode(0, 0)->next = b.gridNode(0, 1);
  b.gridNode(0, 1)->next = b.gridNode(1, 1);
  b.gridNode(1, 1)->next = b.gridNode(0, 0);
  const std::vector<TracedNode> looped = traceChain(b);
  ASSERT_EQ(looped.size(), 4u);
  b.gridNode(1, 2)->next = b.gridNode(1, 3);  // off the chain
  const auto live = liveLinks(b);
  EXPECT_TRUE(live[b.indexOf(b.sourceNode)]);
  EXPECT_TRUE(live[b.indexOf(b.gridNode(0, 1))]);
  EXPECT_FALSE(live[b.indexOf(b.gridNode(1, 1))]);
  EXPECT_FALSE(live[b.indexOf(b.gridNode(1, 2))]);
}

TEST_F(GuidedTest, UndoAndRedoGiveBackTheEarlierBoardsAndClearIsUndoable) {
  GuidedPlay play;
  play.advance(b, state, 0.0);
  std::vector<LinkHistory::Links> seen = {LinkHistory::linksOf(b)};
  const auto edit = [&](const Node* from, const Node* to) {
    link(b, from, to);
    play.afterPress(b);
    seen.push_back(LinkHistory::linksOf(b));
  };
  edit(b.sourceNode, b.gridNode(0, 0));
  edit(b.gridNode(0, 0), b.gridNode(1, 1));
  edit(b.gridNode(1, 1), b.gridNode(1, 2));
  edit(b.gridNode(0, 0), b.gridNode(0, 1));  // moves a link
  edit(b.gridNode(1, 1), b.gridNode(1, 1));  // removes one
  // A refused link and a bare selection are no edits.
  link(b, b.gridNode(1, 2), b.gridNode(3, 3));
  play.afterPress(b);
  EXPECT_EQ(play.history.states.size(), seen.size());

  for (int i = static_cast<int>(seen.size()) - 2; i >= 0; --i) {
    ASSERT_TRUE(play.undo(b, state));
    EXPECT_EQ(LinkHistory::linksOf(b), seen[i]) << "undo to " << i;
    EXPECT_EQ(b.selectedNode, nullptr);
    EXPECT_EQ(linkMode(), LinkMode::Idle);
  }
  EXPECT_FALSE(play.undo(b, state)) << "undo past the level's start";
  for (std::size_t i = 1; i < seen.size(); ++i) {
    ASSERT_TRUE(play.redo(b, state));
    EXPECT_EQ(LinkHistory::linksOf(b), seen[i]) << "redo to " << i;
  }
  EXPECT_FALSE(play.redo(b, state));

  play.clear(b, state);
  for (const auto& node : b.nodes) EXPECT_EQ(node->next, nullptr);
  ASSERT_TRUE(play.undo(b, state));
  EXPECT_EQ(LinkHistory::linksOf(b), seen.back());
  // A new edit after an undo drops what could be redone: undo then goes
  // back to the board the edit was made on, not to the dropped one.
  edit(b.gridNode(3, 3), b.sinkNode);
  EXPECT_FALSE(play.redo(b, state));
  ASSERT_TRUE(play.undo(b, state));
  EXPECT_EQ(LinkHistory::linksOf(b), seen[seen.size() - 2]);
  ASSERT_TRUE(play.redo(b, state));

  // During the level pause the keys change nothing, as presses do not.
  state.levelPause = true;
  play.clear(b, state);
  EXPECT_EQ(LinkHistory::linksOf(b), seen.back());
  EXPECT_FALSE(play.undo(b, state));
}

TEST_F(GuidedTest, HintsAloneSolveEveryBuiltInLevelPlayedAsAPack) {
  for (int level = 0; level < levelCount; ++level) {
    b.levelIndex = level;
    b.loadLevel();
    const int taken = solveByHints(b);
    EXPECT_GE(taken, 1) << "level " << level + 1;
    EXPECT_LE(taken, shortestLinks(b)) << "level " << level + 1;
  }
}

TEST_F(GuidedTest, HintsAloneSolveAHardGeneratedLevel) {
  useLevels(generateLevels(27182, 1, Difficulty::Hard));
  b.loadLevel();
  const int taken = solveByHints(b);
  EXPECT_GE(taken, 1);
  EXPECT_LE(taken, shortestLinks(b));
}

TEST_F(GuidedTest, HAgainTakesTheHintSoHRepeatedSolvesAndUndoTakesItBack) {
  GuidedPlay play;
  useLevels(generateLevels(27182, 1, Difficulty::Hard));
  b.loadLevel();
  play.advance(b, state, 0.0);
  play.takeSolutions(b, state, solveLoadedLevel(b, true));
  linkChain(b, {{0, 0}, {0, 1}, {0, 2}, {0, 3}});  // a wrong chain to start
  play.afterPress(b);
  int presses = 0;
  while (!b.evaluate() && presses < 80) {
    play.askHint(b, state);
    ++presses;
  }
  EXPECT_TRUE(b.evaluate()) << "after " << presses << " presses of h";
  EXPECT_EQ(play.hintsUsed * 2, presses) << "each hint shown, then taken";
  ASSERT_TRUE(play.undo(b, state));
  EXPECT_FALSE(b.evaluate()) << "the last hint taken is one edit";
}

// A pack may hold a level no chain solves: h says so in the status line,
// shows no hint and counts none.
TEST_F(GuidedTest, HOnALevelNoChainSolvesSaysSo) {
  Level stuck = builtInLevels[0];
  stuck.targetSize += 1.0f;  // no size delta of level 1 ever leaves 2
  useLevels({stuck, builtInLevels[1]});
  b.loadLevel();
  GuidedPlay play;
  play.puzzleName = "stuck.pack";
  play.advance(b, state, 0.0);
  EXPECT_EQ(play.statusText(b), "stuck.pack - level 1 of 2 - 0:00");
  // h during the level's search waits for it; then it says what it found.
  play.askHint(b, state);
  EXPECT_EQ(play.statusText(b),
            "stuck.pack - level 1 of 2 - 0:00 - Searching...");
  play.takeSolutions(b, state, solveLoadedLevel(b, true));
  ASSERT_EQ(play.solutions.solvingChains, 0);
  EXPECT_EQ(play.statusText(b),
            "stuck.pack - level 1 of 2 - 0:00 - No chain solves this level");
  EXPECT_EQ(play.hint.kind, Hint::Kind::None);
  EXPECT_EQ(play.hintsUsed, 0);
  // The next level, which has solutions, starts without it.
  b.levelIndex = 1;
  b.loadLevel();
  play.advance(b, state, 0.0);
  EXPECT_EQ(play.notice, "");
}

TEST_F(GuidedTest, ALevelEveryChainSolvesKeepsItsSolutionsInLittleMemory) {
  // No deltas and the target equal to the start: every legal chain solves.
  Level open = builtInLevels[0];
  for (NodeDeltas& deltas : open.deltas) deltas = {0, 0, 0};
  open.targetSize = open.startSize;
  b.setLevel(open);
  const LevelSolutions solutions = solveLoadedLevel(b, true);
  EXPECT_EQ(solutions.solvingChains, solutions.legalChains);
  EXPECT_EQ(
      std::count(solutions.every.begin(), solutions.every.end(), chainEnd),
      solutions.solvingChains);
  EXPECT_LT(solutions.every.size(), 20u << 20);
  // The shortest solutions pass one grid node on each of the four columns.
  const Hint first = findHint(b, solutions);
  ASSERT_EQ(first.kind, Hint::Kind::NextLink);
  // Of the many shortest solutions, the first found gives the hint.
  const std::vector<std::uint8_t>& every = solutions.every;
  std::size_t firstShortest = 0, fewest = every.size();
  for (std::size_t at = 0, start = 0; at < every.size(); ++at) {
    if (every[at] != chainEnd) continue;
    if (at - start < fewest) {
      fewest = at - start;
      firstShortest = start;
    }
    start = at + 1;
  }
  EXPECT_EQ(first.to, b.node(every[firstShortest + 1]));
  EXPECT_LE(solveByHints(b), 5);
}

TEST_F(GuidedTest, FromAWrongChainTheHintMarksALinkOnIt) {
  // Level 1 along the top row reaches the sink with size 4, not 6.
  linkChain(b, {{0, 0}, {0, 1}, {0, 2}, {0, 3}});
  ASSERT_FALSE(b.evaluate());
  ASSERT_TRUE(b.reachesSink);
  const LevelSolutions solutions = solveLoadedLevel(b, true);
  const Hint hint = findHint(b, solutions);
  ASSERT_EQ(hint.kind, Hint::Kind::WrongLink);
  EXPECT_EQ(hint.from->next, hint.to) << "the marked link is on the chain";
  EXPECT_TRUE(liveLinks(b)[b.indexOf(hint.from)]);
  // Taken away, the chain left begins a solution: the next hint extends it,
  // and hints alone then finish the level.
  b.node(b.indexOf(hint.from))->next = nullptr;
  EXPECT_EQ(findHint(b, solutions).kind, Hint::Kind::NextLink);
  EXPECT_GE(solveByHints(b), 1);
  // A solved level has no hint to give.
  EXPECT_EQ(findHint(b, solutions).kind, Hint::Kind::None);
}

TEST_F(GuidedTest, TextsNameThePlaceTheClockAndTheCount) {
  GuidedPlay play;
  play.puzzleName = "Seed 42 - hard";
  useLevels({builtInLevels[0], builtInLevels[1]});
  b.loadLevel();
  play.advance(b, state, 65.2);
  EXPECT_EQ(play.statusText(b), "Seed 42 - hard - level 1 of 2 - 1:05");
  EXPECT_EQ(clockText(3723.9), "1:02:03");

  // Two levels played through to the game over, with one hint; the clock
  // stops during the pauses (65.2 s on level 1, 1 s on level 2). The hint
  // asked for during the level's search comes when it ends.
  play.askHint(b, state);
  EXPECT_EQ(play.statusText(b),
            "Seed 42 - hard - level 1 of 2 - 1:05 - Searching...");
  play.takeSolutions(b, state, solveLoadedLevel(b, true));
  EXPECT_EQ(play.hint.kind, Hint::Kind::NextLink);
  EXPECT_EQ(play.statusText(b), "Seed 42 - hard - level 1 of 2 - 1:05");
  for (int level = 0; level < 2; ++level) {
    linkChain(b, solvingChains[level]);
    advancePlay(b, state, 0.5f);
    play.advance(b, state, 0.5);
    play.advance(b, state, 0.0);  // the pause's later frames count nothing
    EXPECT_EQ(play.clearedText(b),
              "Level " + std::to_string(level + 1) + " cleared");
    advancePlay(b, state, 1.0f);
    play.advance(b, state, 1.0);
  }
  EXPECT_EQ(state.screenState, ScreenState::GameOver);
  EXPECT_EQ(play.placeText(b), "Seed 42 - hard - level 2 of 2");
  EXPECT_EQ(play.summaryText(), "2 levels solved in 1:06, 1 hint used");
  // The hint was taken on level 1; level 2 was solved without one.
  EXPECT_EQ(play.helpText(), "1 without a hint, 1 with 1 hint");
  restartPlay(b, state);
  play.restart(b);
  EXPECT_EQ(play.summaryText(), "0 levels solved in 0:00, no hints used");
  EXPECT_EQ(play.helpText(), "0 without a hint, 0 with hints");
}

// The click that leaves the game-over screen and a u may come in one batch
// of events, before any frame: the u must find level 1's history.
TEST_F(GuidedTest, ARestartClearsTheHistoryBeforeTheNextFrame) {
  GuidedPlay play;
  useLevels({builtInLevels[0], builtInLevels[1]});
  b.loadLevel();
  for (int level = 0; level < 2; ++level) {
    play.advance(b, state, 0.5);
    linkChain(b, solvingChains[level]);
    play.afterPress(b);
    advancePlay(b, state, 0.5f);
    play.advance(b, state, 0.5);
    advancePlay(b, state, 1.0f);
  }
  ASSERT_EQ(state.screenState, ScreenState::GameOver);
  restartPlay(b, state);
  play.restart(b);
  const LinkHistory::Links start = LinkHistory::linksOf(b);
  EXPECT_FALSE(play.undo(b, state)) << "level 1 has nothing to take back";
  EXPECT_EQ(LinkHistory::linksOf(b), start);
  EXPECT_EQ(play.levelIndex, 0);
  EXPECT_TRUE(play.searching) << "level 1's search starts with it";
}

}  // namespace
