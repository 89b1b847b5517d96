// Benchmark: frames around level starts, timed as the player sees them.
#include "bench/level_start.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include "app/game.h"
#include "app/guided_screen.h"
#include "app/level_supply.h"
#include "puzzle/board.h"
#include "puzzle/chain_search.h"
#include "puzzle/game_state.h"
#include "puzzle/guided_play.h"
#include "puzzle/level_generator.h"
#include "puzzle/level_set.h"

namespace {

using Clock = std::chrono::steady_clock;

// The seed a new player tried in vain, hard.
constexpr std::uint64_t kSeed = 27182;
constexpr auto kFrameInterval = std::chrono::microseconds(16667);
// Frames from the first of a level's start to its second frame.
constexpr int kStartFrames = 3;

// A solving chain of each level, as node indices.
std::vector<std::vector<int>> solutionsOf(const std::vector<Level>& set) {
  Board own;
  own.layOut();
  std::vector<std::vector<int>> chains;
  for (const Level& level : set) {
    own.setLevel(level);
    const LevelSolutions found = solveLoadedLevel(own);
    chains.emplace_back();
    for (const Node* node : found.shortest.front())
      chains.back().push_back(own.indexOf(node));
  }
  return chains;
}

// One frame as the loop runs it: the toolkit's timers (where work beside
// play hands over), then the frame routine, finished on the GPU.
double frameMs() {
  const auto start = Clock::now();
  glutMainLoopEvent();
  game().display();
  glFinish();
  return std::chrono::duration<double, std::milli>(Clock::now() - start)
      .count();
}

}  // namespace

void measureLevelStarts() {
  const std::vector<std::vector<int>> chains =
      solutionsOf(generateLevels(kSeed, generatedLevelCount, Difficulty::Hard));
  planLevels(levelRecipes(kSeed, generatedLevelCount, Difficulty::Hard));
  beginGuidedPlay("Seed 27182 - hard");
  Board& b = board();
  b.levelIndex = 0;
  gameState() = GameState{};
  gameState().screenState = ScreenState::Playing;
  makePlannedLevels();

  double worst = 0.0;
  int startsSeen = 0, framesLeftInStart = 0;
  const auto deadline = Clock::now() + std::chrono::seconds(60);
  auto next = Clock::now();
  while (gameState().screenState == ScreenState::Playing &&
         Clock::now() < deadline) {
    next += kFrameInterval;
    std::this_thread::sleep_until(next);
    const int levelBefore = b.levelIndex;
    const bool waitedBefore = waitsForLevel();
    const double ms = frameMs();
    if (b.levelIndex != levelBefore || (waitedBefore && !waitsForLevel())) {
      ++startsSeen;
      framesLeftInStart = kStartFrames;
    }
    if (framesLeftInStart > 0) {
      worst = std::max(worst, ms);
      --framesLeftInStart;
    }
    // A level started and not yet solved: link its solution.
    const GuidedPlay& play = guidedPlay();
    if (!waitsForLevel() && play.levelIndex == b.levelIndex &&
        !gameState().levelPause && framesLeftInStart == 0 &&
        b.levelIndex < static_cast<int>(chains.size())) {
      const std::vector<int>& chain = chains[b.levelIndex];
      for (std::size_t i = 0; i + 1 < chain.size(); ++i)
        b.node(chain[i])->next = b.node(chain[i + 1]);
    }
  }
  // Level 1's start and the five that follow a pause.
  if (startsSeen < generatedLevelCount)
    std::printf("warning: %d level starts seen\n", startsSeen);
  std::printf("level_start_frame_ms: %.1f\n", worst);
}
