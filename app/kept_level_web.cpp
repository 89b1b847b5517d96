// The level in play kept in the browser's storage, beside the progress.
#include <emscripten/html5.h>

#include <optional>
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
// The clock alone is kept every few seconds rather than every second: a
// write costs more than the rest of a still level's second. A page hidden
// or left keeps the level as it stands, so a reload resumes the clock
// where it stood.
constexpr int kClockKeptEveryMs = 5000;

struct KeptLevel {
  bool resumed = false;      // the first frame of play has run
  bool hearsHiding = false;  // the page tells when it is hidden or left
  std::string text;          // what the storage holds, as far as the page knows
  std::string coarse;        // that level with its clock to kClockKeptEveryMs
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

// The level in play as the storage should hold it, or nothing when no level
// should be kept. On play's first call it resumes the kept level, and once
// a level has ended it clears the storage.
std::optional<LevelInPlay> levelToKeep() {
  const GuidedPlay& play = guidedPlay();
  const GameState& state = gameState();
  if (!play.on || state.screenState != ScreenState::Playing ||
      play.levelIndex != board().levelIndex || waitsForLevel())
    return std::nullopt;
  KeptLevel& kept = keptLevel();
  if (!kept.resumed) {
    kept.resumed = true;
    if (!state.levelPause) resumeKeptLevel();
  }
  if (state.levelPause) {
    if (!kept.text.empty()) forgetStored(kKey);
    kept.text.clear();
    kept.coarse.clear();
    return std::nullopt;
  }
  LevelInPlay level = levelInPlay(keptPuzzleName(), board(), play);
  level.milliseconds -= level.milliseconds % 1000;
  return level;
}

// Keeps the level when more than its clock's last seconds changed, or,
// atOnce, whenever anything did.
void keep(LevelInPlay level, bool atOnce) {
  KeptLevel& kept = keptLevel();
  const std::string text = formatLevelInPlay(level);
  level.milliseconds -= level.milliseconds % kClockKeptEveryMs;
  const std::string coarse = formatLevelInPlay(level);
  if (!atOnce && coarse == kept.coarse) return;
  if (text != kept.text && !store(kKey, text)) return;
  kept.text = text;
  kept.coarse = coarse;
}

EM_BOOL onVisibilityChange(int, const EmscriptenVisibilityChangeEvent* event,
                           void*) {
  if (!event->hidden) return EM_FALSE;
  if (const auto level = levelToKeep()) keep(*level, true);
  return EM_FALSE;
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
  KeptLevel& kept = keptLevel();
  if (!kept.hearsHiding) {
    kept.hearsHiding = true;
    emscripten_set_visibilitychange_callback(nullptr, EM_FALSE,
                                             onVisibilityChange);
  }
  if (const auto level = levelToKeep()) keep(*level, false);
}
