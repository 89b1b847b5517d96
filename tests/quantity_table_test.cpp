// Every reader of the quantities' table, checked against it quantity by
// quantity: an entry added to the table is checked here with no new test.
#include <gtest/gtest.h>

#include <algorithm>

#include "puzzle/board.h"
#include "puzzle/clamp.h"
#include "puzzle/game_state.h"
#include "puzzle/hint_search.h"
#include "puzzle/level_pack.h"
#include "puzzle/pack_format.h"
#include "puzzle/play_view.h"
#include "puzzle/progress.h"
#include "puzzle/quantities.h"
#include "puzzle/shape_numbers.h"

namespace {

// A whole amount within the quantity's limits that is not value.
template <typename Entry, typename Number>
Number another(const Entry& entry, Number value) {
  return value == entry.lowest() ? entry.highest() : entry.lowest();
}

// Level 1 with one quantity of its start, its target and grid cell 5 set
// apart from what level 1 holds; the widest delta a pack allows.
template <typename Entry>
Level levelChangedIn(const Entry& entry) {
  Level level = builtInLevels[0];
  level.*entry.start = another(entry, level.*entry.start);
  level.*entry.target = another(entry, level.*entry.target);
  level.deltas[5].*entry.cell = entry.ofWhole(entry.facts.widestDelta());
  return level;
}

// A shape with every quantity at its lowest limit.
Shape lowestShape() {
  Shape shape;
  shape.init();
  forEachQuantity(
      [&](const auto& entry) { shape.*entry.amount = entry.lowest(); });
  return shape;
}

TEST(QuantityTable, TheShapeCopiesAndComparesEachQuantity) {
  forEachQuantity([](const auto& entry) {
    SCOPED_TRACE(entry.facts.name);
    Shape shape = lowestShape();
    Shape other = shape;
    other.*entry.amount = entry.highest();
    EXPECT_FALSE(shape.equals(other));
    EXPECT_FALSE(other.equals(shape));
    shape.copyFrom(other);
    EXPECT_TRUE(shape.equals(other));
    EXPECT_EQ(shape.*entry.amount, entry.highest());
  });
}

TEST(QuantityTable, ANodesDeltaIsAddedAndHeldWithinTheLimits) {
  forEachQuantity([](const auto& entry) {
    SCOPED_TRACE(entry.facts.name);
    const QuantityFacts& facts = entry.facts;
    Node node;
    node.*entry.delta = entry.ofWhole(1);
    Shape shape = lowestShape();
    Shape expected = lowestShape();
    expected.*entry.amount = entry.ofWhole(facts.lowest + 1);
    EXPECT_EQ(addAndClamp(shape, node), 0u);
    EXPECT_TRUE(shape.equals(expected)) << "only this quantity changes";

    node.*entry.delta = entry.ofWhole(facts.widestDelta());
    EXPECT_EQ(addAndClamp(shape, node), facts.lowered);
    EXPECT_EQ(shape.*entry.amount, entry.highest());
    node.*entry.delta = entry.ofWhole(-facts.widestDelta() - 1);
    const unsigned clamps = addAndClamp(shape, node);
    EXPECT_EQ(clamps, facts.raised);
    EXPECT_EQ(shape.*entry.amount, entry.lowest());
    EXPECT_TRUE(wasClamped(clamps, facts));

    // The level checker's words for the two limits.
    EXPECT_EQ(clampsText(facts.raised), std::string(facts.packName) +
                                            " raised to " +
                                            std::to_string(facts.lowest));
    EXPECT_EQ(clampsText(facts.lowered), std::string(facts.packName) +
                                             " lowered to " +
                                             std::to_string(facts.highest));
  });
  EXPECT_EQ(clampsText(0), "none");
}

TEST(QuantityTable, ALevelsQuantityReachesTheBoardAndTheHintsBoard) {
  forEachQuantity([](const auto& entry) {
    SCOPED_TRACE(entry.facts.name);
    const Level level = levelChangedIn(entry);
    Board board;
    board.build();
    board.setLevel(level);
    HintSearch hints;
    hints.start(board);
    for (const Board* seen : {&board, &hints.board}) {
      EXPECT_EQ(seen->startShape.*entry.amount, level.*entry.start);
      EXPECT_EQ(seen->targetShape.*entry.amount, level.*entry.target);
      EXPECT_EQ((*seen->nodes[5]).*entry.delta, level.deltas[5].*entry.cell);
    }
  });
}

TEST(QuantityTable, AResultChangedInOneQuantityAloneIsDrawnAgain) {
  forEachQuantity([](const auto& entry) {
    SCOPED_TRACE(entry.facts.name);
    Board board;
    board.build();
    board.reachesSink = true;
    board.resultShape = lowestShape();
    GameState state;
    state.screenState = ScreenState::Playing;
    const PlayView before = viewOf(board, state);
    board.resultShape.*entry.amount = entry.highest();
    EXPECT_FALSE(viewOf(board, state).looksLike(before));
  });
}

TEST(QuantityTable, APackWritesReadsAndBoundsEachQuantity) {
  std::string spelling;
  for (const QuantityFacts& facts : kQuantities)
    spelling += (spelling.empty() ? "" : "/") + std::string(facts.packName);
  const std::string wrongShape = "level\nstart 4\n";
  EXPECT_NE(parsePack(wrongShape, "p").error.find("\"4\" is not " + spelling),
            std::string::npos);

  forEachQuantity([](const auto& entry) {
    SCOPED_TRACE(entry.facts.name);
    const QuantityFacts& facts = entry.facts;
    const Level level = levelChangedIn(entry);
    const PackReading read = parsePack(formatPack({level}), "p");
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.levels[0].*entry.start, level.*entry.start);
    EXPECT_EQ(read.levels[0].*entry.target, level.*entry.target);
    EXPECT_EQ(read.levels[0].deltas[5].*entry.cell,
              level.deltas[5].*entry.cell);

    Level beyond = level;
    beyond.*entry.target = entry.ofWhole(facts.highest + 1);
    EXPECT_NE(parsePack(formatPack({beyond}), "p")
                  .error.find(std::string(facts.packName) + " " +
                              std::to_string(facts.highest + 1) +
                              " is beyond " + std::to_string(facts.lowest) +
                              " to " + std::to_string(facts.highest)),
              std::string::npos);
    beyond = level;
    beyond.deltas[5].*entry.cell = entry.ofWhole(-facts.widestDelta() - 1);
    EXPECT_NE(
        parsePack(formatPack({beyond}), "p")
            .error.find(std::string(facts.packName) + " delta -" +
                        std::to_string(facts.widestDelta() + 1) +
                        " is beyond -" + std::to_string(facts.widestDelta())),
        std::string::npos);
  });
}

TEST(QuantityTable, PacksDifferingInOneQuantityKeepProgressApart) {
  const std::string base = packPuzzleName({builtInLevels[0]});
  forEachQuantity([&](const auto& entry) {
    SCOPED_TRACE(entry.facts.name);
    const Level changed = levelChangedIn(entry);
    Level level = builtInLevels[0];
    level.*entry.start = changed.*entry.start;
    EXPECT_NE(packPuzzleName({level}), base) << "start";
    level = builtInLevels[0];
    level.*entry.target = changed.*entry.target;
    EXPECT_NE(packPuzzleName({level}), base) << "target";
    level = builtInLevels[0];
    level.deltas[5].*entry.cell = changed.deltas[5].*entry.cell;
    EXPECT_NE(packPuzzleName({level}), base) << "cell";
  });
}

std::vector<Level> goldenPack(const std::string& name) {
  const PackReading read =
      readPackFile(std::string(LINKLOOM_GOLDEN_DIR) + "/" + name);
  EXPECT_TRUE(read.ok()) << read.error;
  return read.levels;
}

TEST(QuantityTable, KeptProgressKeepsItsKeys) {
  // Keys written by games before the table: a player's kept progress
  // depends on them staying.
  EXPECT_EQ(packPuzzleName({builtInLevels.begin(), builtInLevels.end()}),
            "pack a5e7606c2f491fcd");
  EXPECT_EQ(packPuzzleName(goldenPack("seed-1-hard.pack")),
            "pack ef543f45b46f4c9c");
}

// The golden packs are what the generator makes of their seeds (the
// generator's tests check that), so they show what it does with the table.
TEST(QuantityTable, TheGeneratorStartsAndStepsEachQuantityAsTheTableSays) {
  std::vector<Level> levels = goldenPack("seed-1-hard.pack");
  const std::vector<Level> more = goldenPack("seed-27182-hard.pack");
  levels.insert(levels.end(), more.begin(), more.end());
  ASSERT_FALSE(levels.empty());
  forEachQuantity([&](const auto& entry) {
    SCOPED_TRACE(entry.facts.name);
    const QuantityFacts& facts = entry.facts;
    const int* steps = facts.steps.values;
    int changingCells = 0;
    for (const Level& level : levels) {
      const int start = static_cast<int>(level.*entry.start);
      EXPECT_GE(start, facts.lowest);
      EXPECT_LE(start, facts.highest);
      EXPECT_EQ((start - facts.lowest) % facts.startStep, 0);
      for (const NodeDeltas& cell : level.deltas) {
        const int delta = static_cast<int>(cell.*entry.cell);
        if (delta == 0) continue;
        ++changingCells;
        EXPECT_NE(std::find(steps, steps + facts.steps.count, delta),
                  steps + facts.steps.count)
            << delta;
      }
    }
    EXPECT_GT(changingCells, 0);
  });
}

}  // namespace
