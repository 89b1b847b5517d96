// Generated levels made beside play, one job a level, in order.
#include "app/level_supply.h"

#include <memory>

#include "app/background_job.h"
#include "app/redraw.h"
#include "puzzle/board.h"
#include "puzzle/game_state.h"
#include "puzzle/level_set.h"

void makePlannedLevels() {
  const auto recipe = nextLevelToMake();
  if (!recipe) return;
  auto making = std::make_shared<LevelMaking>();
  making->start(*recipe);
  startJob([making](long steps) { return making->advance(steps); },
           [making] {
             addMadeLevel(making->level);
             Board& shown = board();
             const int made = static_cast<int>(levelSet().size()) - 1;
             // A board not built yet loads its level when it is.
             if (!shown.nodes.empty() && shown.levelIndex == made) {
               shown.loadLevel();
               askForFrame();
             }
             makePlannedLevels();
           });
}

bool waitsForLevel() {
  const int index = board().levelIndex;
  return gameState().screenState == ScreenState::Playing &&
         index < levelSetSize() && !levelReady(index);
}
