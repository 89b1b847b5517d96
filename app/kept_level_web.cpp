// The level in play kept in the browser's storage, beside the progress.
#include <string>

#include "app/browser_storage.h"
#include "app/kept_level.h"
#include "app/kept_progress.h"
#include "app/level_supply.h"
#include "puzzle/game_state.h"
#include "puzzle/guided_play.h"
#include "puzzle/level_in_play.h"
#include "puzzle/level_set.h"

namespace {

constexpr const char* kKey = "linkloom level in play";
// Far more than the kept text of any level; more is not read.
constexpr std::size_t kLongestKept = 4096;

struct KeptLevel {
  bool resumed = false;  // the first frame of play has run
  std::string text;      // what the storage holds, as far as the page knows
};

KeptLevel& keptLevel() {
  static KeptLevel kept;
  return kept;
}

void countKeptDaily() {
  const PuzzleProgress* puzzle = keptPuzzleProgress();
  if (isKeptDaily() && puzzle != nullptr)
    countKeptLevels(*puzzle, levelSetSize(), guidedPlay());
}

void resumeKeptLevel() {
  countKeptDaily();
  const auto text = readStored(kKey);
  if (!text || text->size() > kLongestKept) return;
  const auto level = parseLevelInPlay(*text);
  if (level && level->puzzle == keptPuzzleName())
    resumeLevelInPlay(*level, board(), guidedPlay());
}

}  // namespace

void openFinishedDaily() {
  if (!guidedPlay().on || !findFinishedDaily()) return;
  countKeptDaily();
  // As when the last level is solved: presses wait for the restart.
  board().levelIndex = levelSetSize();
  gameState().levelPause = true;
  gameState().screenState = ScreenState::GameOver;
}

void keepLevelInPlay() {
  const GuidedPlay& play = guidedPlay();
  const GameState& state = gameState();
  if (!play.on || state.screenState != ScreenState::Playing ||
      play.levelIndex != board().levelIndex || waitsForLevel())
    return;
  KeptLevel& kept = keptLevel();
  if (!kept.resumed) {
    kept.resumed = true;
    if (!state.levelPause) resumeKeptLevel();
  }
  if (state.levelPause) {
    if (!kept.text.empty()) forgetStored(kKey);
    kept.text.clear();
    return;
  }
  LevelInPlay level = levelInPlay(keptPuzzleName(), board(), play);
  level.milliseconds -= level.milliseconds % 1000;
  const std::string text = formatLevelInPlay(level);
  if (text != kept.text && store(kKey, text)) kept.text = text;
}
