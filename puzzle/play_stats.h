// What a daily player looks for beside the game: dailies finished, the
// streak and the best one, and levels solved at each difficulty, all read
// from the kept progress.
#pragma once

#include <array>
#include <string>

#include "puzzle/progress.h"

struct PlayStats {
  int dailiesFinished = 0;
  int streak = 0;      // days in a row up to today or yesterday
  int bestStreak = 0;  // the longest run of days among the dailies kept
  std::array<int, 3> levelsSolved{};  // by Difficulty: easy, medium, hard

  // "2 dailies finished, streak 1 (best 3); levels solved: 4 easy, 2
  // medium, 1 hard".
  std::string text() const;
};

// The statistics of progress on the UTC day today (YYYYMMDD). A daily is
// finished when all generatedLevelCount of its levels are solved. A daily
// without a difficulty of its own gives each level the difficulty it was
// made at, rising from easy to hard; a seed's levels are its difficulty's;
// packs have none. Only the puzzles the progress keeps count.
PlayStats playStats(const Progress& progress, int today);
