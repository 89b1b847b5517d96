// Benchmark: frames around level starts, timed as the player sees them.
#include "bench/level_start.h"

#include <GL/freeglut.h>
#include <time.h>

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

double threadCpuMs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return now.tv_sec * 1e3 + now.tv_nsec * 1e-6;
}

struct FrameTime {
  double wallMs;
  double cpuMs;  // of the game's thread alone: what load cannot inflate
};

// One frame as the loop runs it: the toolkit's timers (where work beside
// play hands over), then the frame routine, finished on the GPU.
FrameTime timeFrame() {
  const auto start = Clock::now();
  const double cpuStart = threadCpuMs();
  glutMainLoopEvent();
  game().display();
  glFinish();
  return {
      std::chrono::duration<double, std::milli>(Clock::now() - start).count(),
      threadCpuMs() - cpuStart};
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

  FrameTime worst{0.0, 0.0};
  int startsSeen = 0, framesLeftInStart = 0;
  const auto deadline = Clock::now() + std::chrono::seconds(60);
  auto next = Clock::now();
  while (gameState().screenState == ScreenState::Playing &&
         Clock::now() < deadline) {
    next += kFrameInterval;
    std::this_thread::sleep_until(next);
    const int levelBefore = b.levelIndex;
    const bool waitedBefore = waitsForLevel();
    const FrameTime frame = timeFrame();
    // A level after a pause loaded, or made while play waited for it; not
    // level 1, which no pause leads to, nor the game over.
    const bool started =
        b.levelIndex != levelBefore || (waitedBefore && !waitsForLevel());
    if (started && b.levelIndex > 0 && b.levelIndex < levelSetSize()) {
      ++startsSeen;
      framesLeftInStart = kStartFrames;
    }
    if (framesLeftInStart > 0) {
      worst.wallMs = std::max(worst.wallMs, frame.wallMs);
      worst.cpuMs = std::max(worst.cpuMs, frame.cpuMs);
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
  // The five levels that follow a pause, and any level play waited for.
  if (startsSeen < generatedLevelCount - 1)
    std::printf("warning: %d level starts seen\n", startsSeen);
  std::printf("level_start_frame_ms: %.1f\n", worst.wallMs);
  std::printf("level_start_frame_cpu_ms: %.1f\n", worst.cpuMs);
}
