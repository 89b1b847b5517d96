// Guided play's progress kept in the state file: the level a puzzle resumes
// at and each level solved. The classic game keeps nothing, so none of
// these does anything until keepProgress is called.
#pragma once

#include <string>

#include "puzzle/board.h"
#include "puzzle/progress.h"

// Once, before the window opens: reads the state file and chooses where
// the named puzzle starts, its first unsolved level or, fromStart, level 1.
// At exit, levels still waiting for another game's lock get a last try.
// dailyDate (YYYYMMDD) marks the puzzle as that day's daily; 0 for others.
void keepProgress(const std::string& puzzle, bool fromStart, int dailyDate);
// After keepProgress: play starts at level (from 0) instead, as when the
// browser page's address names one. A level outside the set changes
// nothing.
void startKeptAt(int level);
// Once the board is built: loads the level play starts at.
void resumeKeptLevel(Board& board);
// As a level is solved: its index, time on it and hints taken. The daily's
// last level finishes the daily (when every level is solved, the streak
// goes on) and prints its result line on standard output.
void keepSolvedLevel(int level, double seconds, int hints);
// Each frame: saves the levels that waited for another game's lock, should
// it be free now, and asks for a frame to try again while they wait. Never
// waits itself; does nothing in the classic game.
void keepWaitingLevels();
// The daily's result line once its last level is solved, else empty.
const std::string& dailyResult();

// The puzzle kept, as progress names it; empty in the classic game.
const std::string& keptPuzzleName();
// Its kept progress, or null when none is kept.
const PuzzleProgress* keptPuzzleProgress();
// Whether the puzzle kept is a daily.
bool isKeptDaily();
// For the browser page, where a finished daily opened again shows its end:
// true when the puzzle is a daily with every level solved, and its result
// line is then dailyResult().
bool findFinishedDaily();
