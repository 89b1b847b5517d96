// Level generator: levels built around a planted solving chain, each kept
// only when the chain search proves it solvable and grades it as asked.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "puzzle/board.h"
#include "puzzle/chain_search.h"
#include "puzzle/levels.h"

// Levels played from a seed, as many as the built-in set.
constexpr int generatedLevelCount = levelCount;

enum class Difficulty { Easy, Medium, Hard };

// "easy", "medium" or "hard"; nothing for any other word.
std::optional<Difficulty> difficultyNamed(std::string_view name);
const char* difficultyName(Difficulty difficulty);

// The grade of a solvable level, from what the chain search measured:
// hard when under 1% of the legal chains solve it and the shortest solution
// passes 5 or more grid nodes; easy when 10% or more solve it and one of
// them needs no clamp; medium otherwise. The built-in levels grade as easy
// (1, 2), medium (4) and hard (3, 5, 6).
Difficulty gradeOf(const LevelSolutions& solutions);

// One generated level: the seed and grade of its pack and its place in it.
struct LevelRecipe {
  std::uint64_t seed;
  Difficulty difficulty;
  int index;  // from 0
};

// The recipes of generateLevels(seed, count, difficulty), in order.
std::vector<LevelRecipe> levelRecipes(std::uint64_t seed, int count,
                                      Difficulty difficulty);

// One level made a few steps at a time, so that it can be made beside play:
// candidates are planted and searched until one keeps. Holds a board of its
// own and touches nothing else, so it may run on another thread; it must
// not move once started.
struct LevelMaking {
  Board board;
  Difficulty difficulty = Difficulty::Easy;
  std::uint64_t randomState = 0;  // the recipe's stream, as far as drawn
  int colour = 0;                 // which of the node colours it gets
  bool searching = false;         // level is a candidate under search
  Level level{};                  // the candidate, and at the end the level
  ChainSearch search;

  void start(const LevelRecipe& recipe);
  // At most about steps steps of ChainSearch::advance; true once level
  // holds the made level, the same however the steps were divided.
  bool advance(long steps);
};

// The level a recipe makes, at once.
Level generateLevel(const LevelRecipe& recipe);

// count levels of the given grade. The same seed, count and difficulty give
// the same levels on every machine, and the first levels of a longer pack
// are the levels of a shorter one. Every level is solvable and its start
// shape differs from its target shape.
std::vector<Level> generateLevels(std::uint64_t seed, int count,
                                  Difficulty difficulty);
