// The levels in play.
#include "puzzle/level_set.h"

#include <utility>

namespace {
struct LevelSet {
  std::vector<Level> ready{builtInLevels.begin(), builtInLevels.end()};
  std::vector<LevelRecipe> recipes;  // of every level, when generated
};

LevelSet& currentLevels() {
  static LevelSet current;
  return current;
}
}  // namespace

const std::vector<Level>& levelSet() { return currentLevels().ready; }

void useLevels(std::vector<Level> chosen) {
  currentLevels() = {std::move(chosen), {}};
}

void planLevels(std::vector<LevelRecipe> recipes) {
  currentLevels() = {{}, std::move(recipes)};
}

std::optional<LevelRecipe> nextLevelToMake() {
  const LevelSet& set = currentLevels();
  if (set.ready.size() >= set.recipes.size()) return std::nullopt;
  return set.recipes[set.ready.size()];
}

void addMadeLevel(const Level& level) {
  currentLevels().ready.push_back(level);
}

int levelSetSize() {
  const LevelSet& set = currentLevels();
  return static_cast<int>(set.recipes.empty() ? set.ready.size()
                                              : set.recipes.size());
}

bool levelReady(int index) {
  return index >= 0 && index < static_cast<int>(currentLevels().ready.size());
}

const Level& levelOrLast(int index) {
  const std::vector<Level>& ready = currentLevels().ready;
  if (ready.empty()) return builtInLevels.front();
  if (index < 0) return ready.front();
  if (index >= static_cast<int>(ready.size())) return ready.back();
  return ready[index];
}
