// The levels in play.
#include "puzzle/level_set.h"

#include <utility>

namespace {
std::vector<Level>& currentLevels() {
  static std::vector<Level> current(builtInLevels.begin(), builtInLevels.end());
  return current;
}
}  // namespace

const std::vector<Level>& levelSet() { return currentLevels(); }

void useLevels(std::vector<Level> chosen) {
  currentLevels() = std::move(chosen);
}

int levelSetSize() { return static_cast<int>(currentLevels().size()); }

const Level& levelOrLast(int index) {
  const std::vector<Level>& set = currentLevels();
  if (index < 0) return set.front();
  if (index >= levelSetSize()) return set.back();
  return set[index];
}
