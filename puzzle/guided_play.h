// Guided play: everything the modes beyond the classic game add to a level
// (its name and clock, undo and redo, hints, the closing count). The one
// flag `on` decides whether any of it runs.
#pragma once

#include <string>

#include "puzzle/board.h"
#include "puzzle/game_state.h"
#include "puzzle/hint.h"
#include "puzzle/key_focus.h"
#include "puzzle/link_history.h"

// What h says on a level no chain solves, which a pack may hold.
constexpr const char* noChainSolvesText = "No chain solves this level";
// What h says while the level's search runs beside play (the glyph font
// holds ASCII alone, so no ellipsis character).
constexpr const char* searchingText = "Searching...";

// Levels solved with and without hints, which the closing count and the
// daily's result line keep apart: help is not skill.
struct HintCount {
  int unaided = 0;  // levels solved without a hint
  int aided = 0;    // levels solved with one or more
  int hints = 0;    // hints over the aided levels

  // One level solved with this many hints.
  void add(int levelHints);
  int solved() const { return unaided + aided; }
  // "5 without a hint, 1 with 2 hints"; "6 without a hint, 0 with hints".
  std::string text() const;
};

struct GuidedPlay {
  bool on = false;
  // What is being played: "Daily 2026-12-08", "Seed 42 - hard", "my.pack".
  std::string puzzleName;
  int levelIndex = -1;        // the level whose clock and history run
  double levelSeconds = 0.0;  // time on the playing screen, this level
  double totalSeconds = 0.0;  // the same over every level since the start
  int hintsUsed = 0;
  int levelHints = 0;  // hints taken on this level
  int levelsSolved = 0;
  HintCount solvedCount;   // the levels solved, by hints taken
  bool wasPaused = false;  // the level pause ran at the last frame
  LinkHistory history;
  // Every solving chain of the level, found by the chain search that runs
  // beside play from the level's start (takeSolutions), so a hint takes no
  // search.
  LevelSolutions solutions;
  bool searching = false;    // the level's search has not ended
  bool hintWaiting = false;  // h was pressed during it
  int levelStarts = 0;       // levels started, so each gets its own search
  Hint hint;                 // shown until the links change
  // A sentence the status line ends with until the level changes, such as
  // noChainSolvesText once h is asked for on a level without a solution.
  // The passing word while a hint waits for the search (searchingText) is
  // not one: it is shown from hintWaiting, and lasts only that long.
  std::string notice;
  // The node the keys press, an index into Board::nodes; the source at the
  // start of each level.
  int focus = kSourceIndex;

  // One frame of dt seconds on the playing screen, after the level
  // progression has run: starts a loaded level afresh (its history, and
  // searching for its solutions, which the caller starts), runs the clocks
  // while the level is unsolved and counts a level solved.
  void advance(const Board& board, const GameState& state, double dt);
  // The search of the level started last has ended with found: a hint
  // asked for during it is given now.
  void takeSolutions(Board& board, const GameState& state,
                     LevelSolutions found);
  // After every button event on the playing screen: an edit of the links
  // becomes undoable and drops the hint.
  void afterPress(const Board& board);
  // The keys' actions. Each changes nothing during the level pause, when
  // presses change nothing either. undo and redo give false when there is
  // nothing to take back or redo.
  void clear(Board& board, const GameState& state);
  bool undo(Board& board, const GameState& state);
  bool redo(Board& board, const GameState& state);
  // Finds the hint for the chain on the board, shows it and counts it. Asked
  // again while it shows (the links unchanged), it is taken: the marked
  // link is made, or the wrong one removed, as an undoable edit. So h
  // pressed over and over solves any solvable level. On a level no chain
  // solves it says so, in the notice. Asked while the search runs, the
  // hint waits for its end.
  void askHint(Board& board, const GameState& state);
  // Starts the level loaded on the board afresh: its clock, its history
  // and its solutions.
  void startLevel(const Board& board);
  // Back to the first level, already loaded on the board, after the
  // game-over screen: clocks and counts at zero, the level started.
  void restart(const Board& board);

  // "Seed 42 - hard - level 3 of 6", for the status line and the title.
  std::string placeText(const Board& board) const;
  // The place and the level's time: "... - level 3 of 6 - 1:05", and the
  // notice, or the passing word while a hint waits, after them.
  std::string statusText(const Board& board) const;
  // The notice, or the passing word while a hint waits; empty for neither.
  std::string noticeText() const;
  // "Level 3 cleared", shown during the level pause.
  std::string clearedText(const Board& board) const;
  // The game-over screen's count: levels solved, total time, hints.
  std::string summaryText() const;
  // Its second line: the levels solved without a hint beside those with.
  std::string helpText() const;
};

GuidedPlay& guidedPlay();

// Minutes and seconds, "1:05", or hours first from an hour on, "1:02:03".
std::string clockText(double seconds);
