// Guided play: level clock, undo and redo, hints and the texts shown.
#include "puzzle/guided_play.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

#include "puzzle/level_set.h"
#include "puzzle/link_editing.h"

GuidedPlay& guidedPlay() {
  static GuidedPlay instance;
  return instance;
}

void GuidedPlay::advance(const Board& board, const GameState& state,
                         double dt) {
  // Past the last level the game-over screen follows; nothing starts.
  if (board.levelIndex >= levelSetSize()) return;
  if (board.levelIndex != levelIndex) startLevel(board);
  if (state.levelPause && !wasPaused) {
    ++levelsSolved;
    solvedCount.add(levelHints);
  }
  wasPaused = state.levelPause;
  if (!state.levelPause) {
    levelSeconds += dt;
    totalSeconds += dt;
  }
}

void GuidedPlay::takeSolutions(Board& board, const GameState& state,
                               LevelSolutions found) {
  solutions = std::move(found);
  searching = false;
  if (!hintWaiting) return;
  hintWaiting = false;
  askHint(board, state);
}

void GuidedPlay::afterPress(const Board& board) {
  if (history.record(board)) hint = {};
}

void GuidedPlay::clear(Board& board, const GameState& state) {
  if (state.levelPause) return;
  clearLinks(board);
  afterPress(board);
}

bool GuidedPlay::undo(Board& board, const GameState& state) {
  if (state.levelPause || !history.undo(board)) return false;
  hint = {};
  return true;
}

bool GuidedPlay::redo(Board& board, const GameState& state) {
  if (state.levelPause || !history.redo(board)) return false;
  hint = {};
  return true;
}

void GuidedPlay::askHint(Board& board, const GameState& state) {
  if (state.levelPause) return;
  if (hint.kind != Hint::Kind::None) {
    Node* from = board.node(board.indexOf(hint.from));
    from->next = hint.kind == Hint::Kind::NextLink
                     ? board.node(board.indexOf(hint.to))
                     : nullptr;
    board.selectedNode = nullptr;
    linkMode() = LinkMode::Idle;
    afterPress(board);
    return;
  }
  if (searching) {
    hintWaiting = true;
    return;
  }
  hint = findHint(board, solutions);
  if (hint.kind == Hint::Kind::None) {
    if (solutions.solvingChains == 0) notice = noChainSolvesText;
    return;
  }
  ++hintsUsed;
  ++levelHints;
}

void GuidedPlay::startLevel(const Board& board) {
  levelIndex = board.levelIndex;
  levelSeconds = 0.0;
  levelHints = 0;
  history.reset(board);
  solutions = {};
  searching = true;
  hintWaiting = false;
  ++levelStarts;
  hint = {};
  notice.clear();
  focus = kSourceIndex;
}

void GuidedPlay::restart(const Board& board) {
  totalSeconds = 0.0;
  hintsUsed = 0;
  levelsSolved = 0;
  solvedCount = {};
  wasPaused = false;
  // At once, not at the next frame: a key in the same batch of events as
  // the restarting click must find the first level's history, not the
  // last one's.
  startLevel(board);
}

std::string GuidedPlay::placeText(const Board& board) const {
  const int shown = std::min(board.levelIndex, levelSetSize() - 1) + 1;
  return puzzleName + " - level " + std::to_string(shown) + " of " +
         std::to_string(levelSetSize());
}

std::string GuidedPlay::statusText(const Board& board) const {
  const std::string status = placeText(board) + " - " + clockText(levelSeconds);
  const std::string said = noticeText();
  return said.empty() ? status : status + " - " + said;
}

std::string GuidedPlay::noticeText() const {
  if (notice.empty() && hintWaiting) return searchingText;
  return notice;
}

std::string GuidedPlay::clearedText(const Board& board) const {
  return "Level " + std::to_string(board.levelIndex + 1) + " cleared";
}

std::string GuidedPlay::summaryText() const {
  const std::string levels =
      std::to_string(levelsSolved) + (levelsSolved == 1 ? " level" : " levels");
  const std::string hints =
      hintsUsed == 0
          ? "no hints"
          : std::to_string(hintsUsed) + (hintsUsed == 1 ? " hint" : " hints");
  return levels + " solved in " + clockText(totalSeconds) + ", " + hints +
         " used";
}

std::string GuidedPlay::helpText() const { return solvedCount.text(); }

void HintCount::add(int levelHints) {
  if (levelHints <= 0) {
    ++unaided;
    return;
  }
  ++aided;
  hints += levelHints;
}

std::string HintCount::text() const {
  std::string text = std::to_string(unaided) + " without a hint, " +
                     std::to_string(aided) + " with ";
  if (aided == 0) return text + "hints";
  return text + std::to_string(hints) + (hints == 1 ? " hint" : " hints");
}

std::string clockText(double seconds) {
  const long whole = static_cast<long>(std::floor(std::max(seconds, 0.0)));
  char text[32];
  if (whole >= 3600)
    std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", whole / 3600,
                  whole / 60 % 60, whole % 60);
  else
    std::snprintf(text, sizeof text, "%ld:%02ld", whole / 60, whole % 60);
  return text;
}
