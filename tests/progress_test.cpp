// The state file's text: what is written reads back, anything else is
// refused with its line, a level keeps its first result, and the file keeps
// only the puzzles played last.
#include "puzzle/progress.h"

#include <gtest/gtest.h>

#include "puzzle/daily.h"
#include "puzzle/level_generator.h"
#include "puzzle/level_set.h"
#include "puzzle/levels.h"

namespace {

Progress twoPuzzles() {
  Progress progress;
  recordSolved(progress, "seed 42 hard", {0, 65200, 1});
  recordSolved(progress, "daily 2026-12-08", {1, 900, 0});
  recordSolved(progress, "seed 42 hard", {2, 1, 0});
  progress.streak = {20261208, 3};
  return progress;
}

TEST(ProgressText, WhatIsWrittenReadsBackTheSame) {
  const Progress progress = twoPuzzles();
  const std::string text = formatProgress(progress);
  EXPECT_EQ(text,
            "linkloom progress 1\n"
            "streak 2026-12-08 3\n"
            "puzzle 3 seed 42 hard\n"
            "solved 1 65200 1\n"
            "solved 3 1 0\n"
            "puzzle 2 daily 2026-12-08\n"
            "solved 2 900 0\n");
  const ProgressReading reading = parseProgress(text);
  ASSERT_TRUE(reading.ok()) << reading.error;
  EXPECT_EQ(formatProgress(reading.progress), text);
  EXPECT_EQ(reading.progress.streak.days, 3);
  ASSERT_EQ(reading.progress.puzzles.size(), 2u);
  EXPECT_EQ(reading.progress.puzzles[0].solved[1].level, 2);
  // An empty file is no progress yet.
  EXPECT_TRUE(parseProgress("").ok());
  EXPECT_TRUE(parseProgress("").progress.puzzles.empty());
}

TEST(ProgressText, AnythingElseIsRefusedByLine) {
  const std::string head = "linkloom progress 1\n";
  const std::pair<std::string, std::string> cases[] = {
      {"linkloom progress 2\n", "line 1: not a linkloom progress file"},
      {head + "puzzle 1 seed 1 easy", "line 2: the line does not end"},
      {head + "solved 1 0 0\n", "line 2: a solved level before any puzzle"},
      {head + "puzzle x seed\n",
       "line 2: a puzzle line starts with a whole number"},
      {head + "puzzle 1 \n", "line 2: a puzzle needs a name of plain letters"},
      {head + "puzzle 1 se\ted\n",
       "line 2: a puzzle needs a name of plain letters"},
      {head + "puzzle 1 a\npuzzle 2 a\n", "line 3: the puzzle is named twice"},
      {head + "puzzle 1 a\nsolved 0 5 0\n",
       "line 3: a solved level is its number, milliseconds and hints"},
      {head + "puzzle 1 a\nsolved 101 5 0\n",
       "line 3: a solved level is its number, milliseconds and hints"},
      {head + "puzzle 1 a\nsolved 1 -5 0\n",
       "line 3: a solved level is its number, milliseconds and hints"},
      {head + "puzzle 1 a\nsolved 1 05 0\n",
       "line 3: a solved level is its number, milliseconds and hints"},
      {head + "puzzle 1 a\nsolved 1 5 0 9\n",
       "line 3: a solved level is its number, milliseconds and hints"},
      {head + "puzzle 1 a\nsolved 1 1000000000 0\n",
       "line 3: a solved level is its number, milliseconds and hints"},
      {head + "puzzle 1 a\nsolved 2 5 0\nsolved 2 5 0\n",
       "line 4: solved levels go once each, in order"},
      {head + "puzzle 99999999999999999999 a\n",
       "line 2: a puzzle line starts with a whole number"},
      {head + "streak 2026-13-01 2\n",
       "line 2: a streak is a date YYYY-MM-DD and a count of days"},
      {head + "streak 2026-12-01 0\n",
       "line 2: a streak is a date YYYY-MM-DD and a count of days"},
      {head + "puzzle 1 a\nstreak 2026-12-01 1\n",
       "line 3: the streak goes once, before the puzzles"},
      {head + "\n", "line 2: unknown line"},
      {std::string("linkloom progress 1\r\n"),
       "line 1: not a linkloom progress file"},
  };
  for (const auto& [text, error] : cases) {
    const ProgressReading reading = parseProgress(text);
    EXPECT_EQ(reading.error, error) << text;
    EXPECT_TRUE(reading.progress.puzzles.empty()) << text;
  }
}

TEST(ProgressRecords, ResumeAtTheFirstUnsolvedLevel) {
  Progress progress;
  EXPECT_EQ(resumeLevel(progress, "seed 7 easy", 6), 0);
  recordSolved(progress, "seed 7 easy", {0, 10, 0});
  EXPECT_EQ(resumeLevel(progress, "seed 7 easy", 6), 1);
  recordSolved(progress, "seed 7 easy", {2, 10, 0});
  EXPECT_EQ(resumeLevel(progress, "seed 7 easy", 6), 1);
  recordSolved(progress, "seed 7 easy", {1, 10, 0});
  EXPECT_EQ(resumeLevel(progress, "seed 7 easy", 6), 3);
  EXPECT_EQ(resumeLevel(progress, "seed 7 hard", 6), 0);
  for (int level = 3; level < 6; ++level)
    recordSolved(progress, "seed 7 easy", {level, 10, 0});
  // All solved: played again from the first.
  EXPECT_EQ(resumeLevel(progress, "seed 7 easy", 6), 0);
}

TEST(ProgressRecords, ALevelKeepsItsFirstResult) {
  Progress progress;
  recordSolved(progress, "a", {0, 5000, 2});
  recordSolved(progress, "a", {0, 100, 0});
  ASSERT_EQ(progress.puzzles[0].solved.size(), 1u);
  EXPECT_EQ(progress.puzzles[0].solved[0].milliseconds, 5000);
  EXPECT_EQ(progress.puzzles[0].solved[0].hints, 2);
  // Out-of-range times are kept at the bound, so they still read back.
  recordSolved(progress, "a", {1, -3, 0});
  recordSolved(progress, "a", {2, 2000000000, 0});
  EXPECT_TRUE(parseProgress(formatProgress(progress)).ok());
}

TEST(ProgressRecords, TheFileKeepsThePuzzlesPlayedLast) {
  Progress progress;
  for (int seed = 0; seed < maxKeptPuzzles + 50; ++seed) {
    recordSolved(progress, "seed " + std::to_string(seed) + " medium",
                 {0, 1000, 0});
    // Seed 0 is played again and again, so it is never the oldest.
    recordSolved(progress, "seed 0 medium", {seed % 100, 1000, 0});
  }
  EXPECT_EQ(progress.puzzles.size(), static_cast<std::size_t>(maxKeptPuzzles));
  EXPECT_NE(findPuzzle(progress, "seed 0 medium"), nullptr);
  EXPECT_EQ(findPuzzle(progress, "seed 1 medium"), nullptr);
  EXPECT_EQ(findPuzzle(progress, "seed 50 medium"), nullptr);
  EXPECT_NE(findPuzzle(progress, "seed 51 medium"), nullptr);
  EXPECT_NE(findPuzzle(progress, "seed 249 medium"), nullptr);
  // Every puzzle full and the longest names: still within the read bound.
  for (PuzzleProgress& puzzle : progress.puzzles) {
    puzzle.name = std::string(200, 'x') + std::to_string(puzzle.lastPlayed);
    puzzle.name.erase(0, puzzle.name.size() - 200);
    for (int level = 0; level < 100; ++level)
      recordSolved(progress, puzzle.name, {level, maxLevelMilliseconds, 99});
  }
  EXPECT_LE(formatProgress(progress).size(), maxProgressBytes);
}

TEST(ProgressRecords, CountsAtTheReadersLimitStayThereAndReadBack) {
  const std::string head = "linkloom progress 1\n";
  ProgressReading reading = parseProgress(head + "streak 2026-12-07 1000000\n");
  ASSERT_TRUE(reading.ok()) << reading.error;
  Progress& progress = reading.progress;
  progress.streak = streakAfterFinishing(progress.streak, 20261208);
  EXPECT_EQ(progress.streak.days, maxStreakDays);
  EXPECT_EQ(progress.streak.lastDate, 20261208);
  recordSolved(progress, "a", {0, 1, 2000000});
  EXPECT_EQ(progress.puzzles[0].solved[0].hints, 1000000);
  // A level no set holds cannot be written, so it is not recorded.
  recordSolved(progress, "a", {maxLevelsInSet, 1, 0});
  recordSolved(progress, "b", {-1, 1, 0});
  EXPECT_EQ(progress.puzzles.size(), 1u);
  EXPECT_EQ(progress.puzzles[0].solved.size(), 1u);
  const std::string text = formatProgress(progress);
  const ProgressReading again = parseProgress(text);
  ASSERT_TRUE(again.ok()) << again.error << "\n" << text;
  EXPECT_EQ(formatProgress(again.progress), text);
}

TEST(ProgressRecords, TheLargestOrderIsNumberedAgainNotWrapped) {
  std::string text = "linkloom progress 1\n";
  for (int seed = 0; seed < maxKeptPuzzles - 1; ++seed)
    text += "puzzle " + std::to_string(seed + 1) + " seed " +
            std::to_string(seed) + " easy\nsolved 1 5 0\n";
  text += "puzzle 18446744073709551615 daily 2026-12-08\n";
  ProgressReading reading = parseProgress(text);
  ASSERT_TRUE(reading.ok()) << reading.error;
  Progress& progress = reading.progress;
  recordSolved(progress, "seed 500 hard", {0, 5, 0});
  recordSolved(progress, "seed 501 hard", {0, 5, 0});
  // The level just solved is kept; the oldest puzzles make room.
  ASSERT_NE(findPuzzle(progress, "seed 501 hard"), nullptr);
  ASSERT_NE(findPuzzle(progress, "seed 500 hard"), nullptr);
  EXPECT_NE(findPuzzle(progress, "daily 2026-12-08"), nullptr);
  EXPECT_EQ(findPuzzle(progress, "seed 0 easy"), nullptr);
  EXPECT_EQ(findPuzzle(progress, "seed 1 easy"), nullptr);
  ASSERT_NE(findPuzzle(progress, "seed 2 easy"), nullptr);
  EXPECT_EQ(findPuzzle(progress, "seed 2 easy")->lastPlayed, 3u);
  EXPECT_EQ(findPuzzle(progress, "daily 2026-12-08")->lastPlayed,
            std::uint64_t(maxKeptPuzzles));
  EXPECT_EQ(findPuzzle(progress, "seed 501 hard")->lastPlayed,
            std::uint64_t(maxKeptPuzzles + 2));
  EXPECT_TRUE(parseProgress(formatProgress(progress)).ok());
}

TEST(ProgressText, AFileOfManyPuzzlesKeepsThoseReadLast) {
  // A megabyte of short puzzles, most recent in the middle of the file.
  std::string text = "linkloom progress 1\n";
  int count = 0;
  while (text.size() < maxProgressBytes - 40) {
    const int order = (count * 7919) % 100003 + 1;  // each once, in no order
    text +=
        "puzzle " + std::to_string(order) + " p" + std::to_string(count) + "\n";
    ++count;
  }
  ASSERT_GT(count, 50000);
  const ProgressReading reading = parseProgress(text);
  ASSERT_TRUE(reading.ok()) << reading.error;
  const std::vector<PuzzleProgress>& kept = reading.progress.puzzles;
  ASSERT_EQ(kept.size(), std::size_t(maxKeptPuzzles));
  std::vector<std::uint64_t> orders;
  for (int i = 0; i < count; ++i) orders.push_back((i * 7919) % 100003 + 1);
  std::sort(orders.begin(), orders.end(), std::greater<>());
  std::uint64_t previous = 0;
  std::size_t previousIndex = 0;
  for (const PuzzleProgress& puzzle : kept) {
    EXPECT_GE(puzzle.lastPlayed, orders[maxKeptPuzzles - 1]) << puzzle.name;
    // In their order in the file.
    const std::size_t index = std::stoul(puzzle.name.substr(1));
    EXPECT_TRUE(previous == 0 || index > previousIndex) << puzzle.name;
    previous = puzzle.lastPlayed, previousIndex = index;
  }
  // Puzzles played equally long ago: the later in the file stay.
  std::string ties = "linkloom progress 1\n";
  for (int i = 0; i < maxKeptPuzzles + 3; ++i)
    ties += "puzzle " + std::string(i == 0 ? "9" : "4") + " t" +
            std::to_string(i) + "\n";
  const ProgressReading tied = parseProgress(ties);
  ASSERT_EQ(tied.progress.puzzles.size(), std::size_t(maxKeptPuzzles));
  EXPECT_EQ(tied.progress.puzzles[0].name, "t0");
  EXPECT_EQ(tied.progress.puzzles[1].name, "t4");
  EXPECT_EQ(tied.progress.puzzles.back().name,
            "t" + std::to_string(maxKeptPuzzles + 2));
}

TEST(ProgressNames, APackIsNamedByItsNumbers) {
  const std::vector<Level> original(levels.begin(), levels.end());
  std::vector<Level> edited = original;
  edited[5].deltas[15].hueDelta += 0.5f;
  const std::string name = packPuzzleName(original);
  EXPECT_EQ(name.size(), 21u);
  EXPECT_EQ(name.rfind("pack ", 0), 0u);
  EXPECT_EQ(packPuzzleName(original), name);
  EXPECT_NE(packPuzzleName(edited), name);
  EXPECT_NE(packPuzzleName({original.begin(), original.end() - 1}), name);
}

}  // namespace
