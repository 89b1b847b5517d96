// Level checker: for each built-in level, how many legal chains solve it,
// the shortest ones, and the clamps they lean on.
#include <cstdio>
#include <string>

#include "puzzle/board.h"
#include "puzzle/chain_search.h"
#include "puzzle/clamp.h"
#include "puzzle/levels.h"

namespace {

std::string nodeName(const Board& board, const Node* node) {
  if (node == board.sourceNode) return "source";
  if (node == board.sinkNode) return "sink";
  for (int k = 0; k < gridNodeCount; ++k) {
    if (board.node(k) == node)
      return "(" + std::to_string(k / gridColumns) + "," +
             std::to_string(k % gridColumns) + ")";
  }
  return "?";
}

std::string clampNames(unsigned clamps) {
  static const struct {
    unsigned flag;
    const char* name;
  } names[] = {
      {hueRaised, "hue raised to 0"},     {hueLowered, "hue lowered to 320"},
      {sidesRaised, "sides raised to 3"}, {sidesLowered, "sides lowered to 8"},
      {sizeRaised, "size raised to 2"},   {sizeLowered, "size lowered to 8"}};
  std::string text;
  for (const auto& entry : names) {
    if ((clamps & entry.flag) == 0) continue;
    if (!text.empty()) text += ", ";
    text += entry.name;
  }
  return text.empty() ? "none" : text;
}

}  // namespace

int main() {
  Board board;
  board.build();
  int unsolvable = 0;
  for (int level = 0; level < levelCount; ++level) {
    board.levelIndex = level;
    board.loadLevel();
    const LevelSolutions found = solveLoadedLevel(board);
    std::printf("level %d: %ld of %ld legal chains solve it\n", level + 1,
                found.solvingChains, found.legalChains);
    if (found.solvingChains == 0) ++unsolvable;
    for (const auto& chain : found.shortest) {
      std::string path;
      for (const Node* node : chain) {
        if (!path.empty()) path += " -> ";
        path += nodeName(board, node);
      }
      std::printf("  shortest: %s; clamps: %s\n", path.c_str(),
                  clampNames(clampsAlong(board, chain)).c_str());
    }
  }
  return unsolvable == 0 ? 0 : 1;
}
