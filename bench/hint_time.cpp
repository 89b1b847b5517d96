// Benchmark: hint time on hard generated levels.
#include "bench/hint_time.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

#include "puzzle/board.h"
#include "puzzle/hint.h"
#include "puzzle/level_generator.h"

namespace {

using Clock = std::chrono::steady_clock;

// The seed a new player tried in vain, hard.
constexpr std::uint64_t kSeed = 27182;

double bestOfThree(const std::function<void()>& work) {
  double best = 1e9;
  for (int run = 0; run < 3; ++run) {
    const auto start = Clock::now();
    work();
    best = std::min(
        best, std::chrono::duration<double, std::milli>(Clock::now() - start)
                  .count());
  }
  return best;
}

}  // namespace

void measureHint() {
  Board board;
  board.build();
  double slowestHint = 0.0, slowestSearch = 0.0;
  bool hinted = true;
  for (const Level& level :
       generateLevels(kSeed, generatedLevelCount, Difficulty::Hard)) {
    board.setLevel(level);
    LevelSolutions solutions;
    slowestSearch = std::max(slowestSearch, bestOfThree([&] {
                               solutions = solveLoadedLevel(board, true);
                             }));
    const auto hint = [&] {
      hinted = hinted && findHint(board, solutions).kind != Hint::Kind::None;
    };
    slowestHint = std::max(slowestHint, bestOfThree(hint));
    for (int row = 0; row < gridRows; ++row) {
      board.sourceNode->next = board.gridNode(row, 0);
      slowestHint = std::max(slowestHint, bestOfThree(hint));
    }
    board.sourceNode->next = nullptr;
  }
  if (!hinted) std::printf("warning: no hint on an unsolved level\n");
  std::printf("hint_ms: %.3f\n", slowestHint);
  std::printf("level_search_ms: %.1f\n", slowestSearch);
}
