// Level checker: for each level of the built-in set or of a pack, how many
// legal chains solve it, the shortest ones and the clamps they lean on;
// also prints the built-in levels or generated ones as a pack.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/option_reader.h"
#include "files/checked_output.h"
#include "files/standard_streams.h"
#include "puzzle/board.h"
#include "puzzle/chain_search.h"
#include "puzzle/level_generator.h"
#include "puzzle/level_pack.h"
#include "puzzle/level_set.h"
#include "puzzle/levels.h"
#include "puzzle/pack_format.h"
#include "puzzle/shape_numbers.h"

namespace {

constexpr const char* usage =
    "usage: level_checker [FILE]\n"
    "       level_checker --dump\n"
    "       level_checker --generate --seed N [--count K] "
    "[--difficulty easy|medium|hard]\n"
    "Checks the built-in levels or the pack in FILE: exit status 0 when\n"
    "every level is solvable, 1 when one is not, 2 for a bad pack or option.\n"
    "--dump prints the built-in levels as a pack; --generate prints K\n"
    "generated levels (6 and medium unless given). -h or --help shows this\n"
    "text; -- ends the options.\n";

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
                   "; clamps: " + clampsText(clampsAlong(board, chain)) + "\n");
    }
  }
  return unsolvable == 0 ? 0 : 1;
}

int misuse(const std::string& what) {
  return reportMisuse("level_checker", what, usage);
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
  guardStandardStreams();
  CheckedOutput output{"level_checker"};
  enum Option { Help, Dump, Generate, Seed, Count, DifficultyOption };
  const std::vector<LongOption> options = {
      {"help", false}, {"dump", false}, {"generate", false},
      {"seed", true},  {"count", true}, {"difficulty", true}};
  const OptionReading reading = readOptions(argc, argv, options);
  if (!reading.ok()) return misuse(reading.error);
  bool dump = false, generate = false;
  std::string seedText, countText = std::to_string(generatedLevelCount),
                        difficultyText = "medium";
  const char* generateOnly = nullptr;  // the first option that needs it
  for (const OptionReading::Given& given : reading.given) {
    switch (given.option) {
      case Help: output.write(usage); return output.finish(0);
      case Dump: dump = true; break;
      case Generate: generate = true; break;
      case Seed: seedText = given.value; break;
      case Count: countText = given.value; break;
      case DifficultyOption: difficultyText = given.value; break;
    }
    if (given.option >= Seed && !generateOnly)
      generateOnly = options[given.option].name;
  }
  if (reading.files.size() > 1) return misuse("more than one FILE");
  if (generateOnly && !generate)
    return misuse(std::string("--") + generateOnly + " goes with --generate");
  const std::string file = reading.files.empty() ? "" : reading.files[0];
  if (dump + generate + !file.empty() > 1)
    return misuse("choose one of FILE, --dump and --generate");
  if (dump) {
    output.write(formatPack({builtInLevels.begin(), builtInLevels.end()}));
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
    return output.finish(
        check({builtInLevels.begin(), builtInLevels.end()}, output));
  const PackReading pack = readPackFile(file);
  if (!pack.ok()) {
    std::fprintf(stderr, "%s\n", pack.error.c_str());
    return 2;
  }
  return output.finish(check(pack.levels, output));
}
