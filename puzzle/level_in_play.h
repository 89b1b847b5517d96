// A level left part-way, kept so that play comes back to it: which puzzle
// and level, the links made and the time and hints spent on it. Also the
// counts of a puzzle's kept progress, so that play resumed later adds up
// the same as the progress does.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "puzzle/board.h"
#include "puzzle/guided_play.h"
#include "puzzle/link_history.h"
#include "puzzle/progress.h"

struct LevelInPlay {
  std::string puzzle;  // as progress names it: "daily 2026-12-08"
  int level = 0;       // from 0
  LinkHistory::Links links{};
  int milliseconds = 0;  // on the level so far
  int hints = 0;         // taken on the level so far
};

// The level guided play runs on the board.
LevelInPlay levelInPlay(const std::string& puzzle, const Board& board,
                        const GuidedPlay& play);

// Five lines: "puzzle NAME", "level N", "links" and 18 numbers (-1 for no
// link), "milliseconds N", "hints N".
std::string formatLevelInPlay(const LevelInPlay& level);
// The text formatLevelInPlay writes; nothing for any other text, a link to
// a node that is not on the board or to the node itself, or a number out
// of range. Time and memory grow with the text, which the caller bounds.
std::optional<LevelInPlay> parseLevelInPlay(std::string_view text);

// Puts the kept links on the board, as the level's start for undo, and
// the kept time and hints into play. The level must be the one play has
// just started on the board; false, changing nothing, otherwise.
bool resumeLevelInPlay(const LevelInPlay& level, Board& board,
                       GuidedPlay& play);

// Guided play's counts (levels solved, with and without hints, the total
// time and hints) as the puzzle's kept progress has them, for the levels
// of a set of setSize.
void countKeptLevels(const PuzzleProgress& puzzle, int setSize,
                     GuidedPlay& play);
