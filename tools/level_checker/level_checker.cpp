// Level checker: for each level of the built-in set or of a pack, how many
// legal chains solve it, the shortest ones and the clamps they lean on;
// also prints the built-in levels or generated ones as a pack.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "puzzle/board.h"
#include "puzzle/chain_search.h"
#include "puzzle/clamp.h"
#include "puzzle/level_generator.h"
#include "puzzle/level_pack.h"
#include "puzzle/level_set.h"
#include "puzzle/levels.h"
#include "puzzle/pack_format.h"
#include "tools/level_checker/checked_output.h"

namespace {

constexpr const char* usage =
    "usage: level_checker [FILE]\n"
    "       level_checker --dump\n"
    "       level_checker --generate --seed N [--count K] "
    "[--difficulty easy|medium|hard]\n"
    "Checks the built-in levels or the pack in FILE: exit status 0 when\n"
    "every level is solvable, 1 when one is not, 2 for a bad pack or option.\n"
    "--dump prints the built-in levels as a pack; --generate prints K\n"
    "generated levels (6 and medium unless given).\n";

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

int check(const std::vector<Level>& levels, CheckedOutput& output) {
  Board board;
  board.build();
  int unsolvable = 0;
  for (std::size_t index = 0; index < levels.size(); ++index) {
    board.setLevel(levels[index]);
    const LevelSolutions found = solveLoadedLevel(board);
    output.write("level " + std::to_string(index + 1) + ": " +
                 std::to_string(found.solvingChains) + " of " +
                 std::to_string(found.legalChains) + " legal chains solve it");
    if (found.solvingChains == 0) {
      output.write("; unsolvable\n");
      ++unsolvable;
      continue;
    }
    output.write(std::string("; ") + difficultyName(gradeOf(found)) + "\n");
    for (const auto& chain : found.shortest) {
      std::string path;
      for (const Node* node : chain) {
        if (!path.empty()) path += " -> ";
        path += nodeName(board, node);
      }
      output.write("  shortest: " + path +
                   "; clamps: " + clampNames(clampsAlong(board, chain)) + "\n");
    }
  }
  return unsolvable == 0 ? 0 : 1;
}

int misuse(const std::string& what) {
  std::fprintf(stderr, "level_checker: %s\n%s", what.c_str(), usage);
  return 2;
}

// A whole number from low to high, the whole of text.
bool numberIn(const std::string& text, unsigned long long low,
              unsigned long long high, unsigned long long& value) {
  if (text.empty() || text[0] < '0' || text[0] > '9') return false;
  char* end = nullptr;
  errno = 0;
  value = std::strtoull(text.c_str(), &end, 10);
  return errno == 0 && *end == '\0' && value >= low && value <= high;
}

}  // namespace

int main(int argc, char** argv) {
  CheckedOutput output;
  const std::vector<std::string> args(argv + 1, argv + argc);
  bool dump = false, generate = false;
  std::string file, seedText, countText = std::to_string(generatedLevelCount),
                              difficultyText = "medium";
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    std::string* value = nullptr;
    if (arg == "--help") {
      output.write(usage);
      return output.finish(0);
    }
    if (arg == "--dump")
      dump = true;
    else if (arg == "--generate")
      generate = true;
    else if (arg == "--seed")
      value = &seedText;
    else if (arg == "--count")
      value = &countText;
    else if (arg == "--difficulty")
      value = &difficultyText;
    else if (arg.rfind("-", 0) == 0)
      return misuse("unknown option " + arg);
    else if (file.empty())
      file = arg;
    else
      return misuse("more than one FILE");
    if (value == nullptr) continue;
    if (i + 1 == args.size()) return misuse(arg + " needs a value");
    *value = args[++i];
  }
  if (dump + generate + !file.empty() > 1)
    return misuse("choose one of FILE, --dump and --generate");
  if (dump) {
    output.write(formatPack({levels.begin(), levels.end()}));
    return output.finish(0);
  }
  if (generate) {
    unsigned long long seed = 0, count = 0;
    const auto difficulty = difficultyNamed(difficultyText);
    if (!numberIn(seedText, 0, ~0ull, seed))
      return misuse("--generate needs --seed with a whole number");
    if (!numberIn(countText, 1, maxLevelsInSet, count))
      return misuse("--count takes 1 to " + std::to_string(maxLevelsInSet));
    if (!difficulty) return misuse("--difficulty takes easy, medium or hard");
    output.write(
        formatPack(generateLevels(seed, static_cast<int>(count), *difficulty)));
    return output.finish(0);
  }
  if (file.empty())
    return output.finish(check({levels.begin(), levels.end()}, output));
  const PackReading pack = readPackFile(file);
  if (!pack.ok()) {
    std::fprintf(stderr, "%s\n", pack.error.c_str());
    return 2;
  }
  return output.finish(check(pack.levels, output));
}
