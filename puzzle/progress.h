// Progress kept between games: the levels solved in each puzzle with their
// time and hints, and the daily streak, as the text of the state file.
// Reading, writing and locking the file is the app's job (app/progress_file).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "puzzle/levels.h"

// The file holds at most this many puzzles; recording one more drops the
// one played longest ago, and reading a file with more keeps those played
// last. A puzzle takes at most a line per level of its set, so the file
// stays well under maxProgressBytes.
constexpr int maxKeptPuzzles = 200;
// A larger file is not read: it is damaged.
constexpr std::size_t maxProgressBytes = 1u << 20;
// Level times are kept in whole milliseconds up to this (about 11 days).
constexpr int maxLevelMilliseconds = 999999999;
// A streak stays at this many days (over 2,700 years) rather than grow past
// what the file may hold.
constexpr int maxStreakDays = 1000000;

struct SolvedLevel {
  int level = 0;  // index into the puzzle's level set, from 0
  int milliseconds = 0;
  int hints = 0;
};

struct PuzzleProgress {
  // "seed 42 hard", "daily 2026-12-08", "pack 1f0e...": printable ASCII.
  std::string name;
  // Larger is more recent: one more than the file's largest when the
  // puzzle was last recorded. Should the largest be the largest number
  // there is, the puzzles are numbered again from 1 in the same order.
  std::uint64_t lastPlayed = 0;
  std::vector<SolvedLevel> solved;  // by level, each level once
};

// UTC days in a row with a daily finished, the last of them `lastDate`
// (YYYYMMDD, 0 for none).
struct DailyStreak {
  int lastDate = 0;
  int days = 0;
};

struct Progress {
  std::vector<PuzzleProgress> puzzles;
  DailyStreak streak;
};

struct ProgressReading {
  Progress progress;  // empty unless ok
  // Empty for a good file, else one line: "line 3: what is wrong".
  std::string error;
  bool ok() const { return error.empty(); }
};

// The state file's text; an empty text is an empty file, read as no
// progress. Anything else that is not exactly what formatProgress writes
// is an error, but for more than maxKeptPuzzles puzzles: those played last
// are kept. Time and memory grow in proportion to the text.
ProgressReading parseProgress(std::string_view text);
std::string formatProgress(const Progress& progress);

// Where damaged progress is kept aside, never over an earlier one:
// name.damaged, then name.damaged.2, .3, ..., the first that taken says is
// free.
std::string damagedName(const std::string& name,
                        const std::function<bool(const std::string&)>& taken);

// The puzzle of that name, or null.
const PuzzleProgress* findPuzzle(const Progress& progress,
                                 std::string_view name);

// Counts level as solved in the named puzzle and makes the puzzle the most
// recently played. A level solved before keeps its first time and hints,
// the ones a result line reports. Past maxKeptPuzzles the puzzle played
// longest ago is dropped. A level outside any set changes nothing.
void recordSolved(Progress& progress, const std::string& name,
                  SolvedLevel level);

// Where the named puzzle of levelCount levels resumes: its first unsolved
// level, or 0 when it is new or every level is solved.
int resumeLevel(const Progress& progress, std::string_view name,
                int levelCount);

// A name for a set of levels that changes whenever any of their numbers
// does: "pack " and 16 hexadecimal digits.
std::string packPuzzleName(const std::vector<Level>& levels);
