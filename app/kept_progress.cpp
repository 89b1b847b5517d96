// Guided play's progress kept in the state file.
#include "app/kept_progress.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/progress_file.h"
#include "app/redraw.h"
#include "puzzle/daily.h"
#include "puzzle/level_set.h"

namespace {

// How often a save waiting for another game's lock tries again.
constexpr auto kLockRetryPeriod = std::chrono::milliseconds(200);

struct KeptPlay {
  std::string puzzle;  // empty in the classic game
  int startLevel = 0;
  int dailyDate = 0;  // YYYYMMDD for the daily
  std::string result;
};

KeptPlay& keptPlay() {
  static KeptPlay play;
  return play;
}

// At exit: a last try for the levels waiting for another game's lock, and
// a line should they still wait, since they are then lost.
void saveBeforeExit() {
  ProgressFile& file = progressFile();
  file.saveWaiting();
  if (!file.waiting.empty())
    std::fprintf(file.messages,
                 "linkloom: another game still holds %s.lock; what was solved "
                 "since it took it is not saved\n",
                 file.path.c_str());
}

bool everyLevelSolved(const Progress& progress, const std::string& name) {
  const PuzzleProgress* puzzle = findPuzzle(progress, name);
  return puzzle != nullptr &&
         static_cast<int>(puzzle->solved.size()) >= levelSetSize();
}

// The daily's result line from the kept progress: the streak counts only
// once every level is solved.
std::string keptResultLine() {
  const KeptPlay& play = keptPlay();
  const ProgressFile& file = progressFile();
  const PuzzleProgress* puzzle = findPuzzle(file.progress, play.puzzle);
  const int streak = everyLevelSolved(file.progress, play.puzzle)
                         ? file.progress.streak.days
                         : 0;
  return dailyResultLine(puzzle ? *puzzle : PuzzleProgress{}, levelSetSize(),
                         play.dailyDate, streak);
}

}  // namespace

void keepProgress(const std::string& puzzle, bool fromStart, int dailyDate) {
  KeptPlay& play = keptPlay();
  play.puzzle = puzzle;
  play.dailyDate = dailyDate;
  ProgressFile& file = progressFile();
  file.open(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
  std::atexit(saveBeforeExit);
  play.startLevel =
      fromStart ? 0 : resumeLevel(file.progress, puzzle, levelSetSize());
}

void startKeptAt(int level) {
  KeptPlay& play = keptPlay();
  if (!play.puzzle.empty() && level >= 0 && level < levelSetSize())
    play.startLevel = level;
}

void resumeKeptLevel(Board& board) {
  const KeptPlay& play = keptPlay();
  if (play.puzzle.empty() || play.startLevel == 0) return;
  board.levelIndex = play.startLevel;
  board.loadLevel();
}

void keepSolvedLevel(int level, double seconds, int hints) {
  KeptPlay& play = keptPlay();
  if (play.puzzle.empty()) return;
  const double milliseconds =
      std::min(std::max(seconds, 0.0) * 1000.0, double(maxLevelMilliseconds));
  const SolvedLevel solved{level, static_cast<int>(std::lround(milliseconds)),
                           hints};
  const bool endsDaily = play.dailyDate != 0 && level + 1 == levelSetSize();
  // One locked save: the level, and the streak when it finished the daily.
  // The change may wait for another game's lock, so it holds its own copies.
  ProgressFile& file = progressFile();
  file.save([puzzle = play.puzzle, solved, endsDaily,
             date = play.dailyDate](Progress& progress) {
    recordSolved(progress, puzzle, solved);
    if (endsDaily && everyLevelSolved(progress, puzzle))
      progress.streak = streakAfterFinishing(progress.streak, date);
  });
  if (!endsDaily) return;
  play.result = keptResultLine();
  // Standard output may be a dead pipe or a full disk: a line on standard
  // error says so, and the game-over screen still shows the result.
  if (std::printf("%s\n", play.result.c_str()) < 0 || std::fflush(stdout) != 0)
    std::fprintf(stderr, "linkloom: cannot write the daily's result: %s\n",
                 std::strerror(errno));
}

void keepWaitingLevels() {
  ProgressFile& file = progressFile();
  file.saveWaiting();
  // The window may sit still meanwhile; frames keep the tries going.
  if (!file.waiting.empty())
    askForFrameAt(std::chrono::steady_clock::now() + kLockRetryPeriod);
}

const std::string& dailyResult() { return keptPlay().result; }

const std::string& keptPuzzleName() { return keptPlay().puzzle; }

const PuzzleProgress* keptPuzzleProgress() {
  return findPuzzle(progressFile().progress, keptPlay().puzzle);
}

bool isKeptDaily() { return keptPlay().dailyDate != 0; }

bool findFinishedDaily() {
  KeptPlay& play = keptPlay();
  if (play.dailyDate == 0 ||
      !everyLevelSolved(progressFile().progress, play.puzzle))
    return false;
  play.result = keptResultLine();
  return true;
}
