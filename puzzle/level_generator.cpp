// Level generator: plant a chain, measure, keep what fits the grade.
#include "puzzle/level_generator.h"

#include <algorithm>
#include <array>
#include <limits>

#include "puzzle/board.h"
#include "puzzle/chain_search.h"
#include "puzzle/clamp.h"
#include "puzzle/levels.h"

namespace {

// splitmix64: a fixed generator, so a seed gives the same levels wherever
// the game is built (the standard distributions differ between libraries).
struct Random {
  std::uint64_t state;
  std::uint64_t next() {
    std::uint64_t z = (state += 0x9e3779b97f4a7c15ull);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
  }
  // 0 to n - 1; the bias of the modulo is far below what a player notices.
  int below(int n) {
    return static_cast<int>(next() % static_cast<unsigned>(n));
  }
  int pick(const Steps& steps) { return steps.values[below(steps.count)]; }
};

constexpr int allQuantities = static_cast<int>(kQuantityCount);

// What a grade's candidates look like, so that most of them land in it.
struct Style {
  int quantities;         // how many of the quantities the nodes change
  int doubleCellPercent;  // cells that change two quantities at once
  int plantedGridNodes;   // fewest grid nodes on the planted chain
  // A target on a limit is met by every chain that runs into the clamp;
  // one strictly inside them is met by few, which is what a hard level is.
  bool targetInsideLimits;
};

Style styleOf(Difficulty difficulty) {
  switch (difficulty) {
    case Difficulty::Easy: return {1, 0, 4, false};
    case Difficulty::Medium: return {2, 20, 5, false};
    case Difficulty::Hard: return {allQuantities, 50, 6, true};
  }
  return {allQuantities, 50, 6, true};
}

// Node colours: the built-in levels' own, then two more, all of them
// written exactly in a pack.
struct Colour {
  float red, green, blue;
};
const std::array<Colour, 2> extraColours = {{{0, 1, 1}, {0.5f, 0, 1}}};
constexpr int nodeColourCount = levelCount + 2;

Colour nodeColour(int index) {
  if (index >= levelCount) return extraColours[index - levelCount];
  const Level& level = builtInLevels[index];
  return {level.nodeRed, level.nodeGreen, level.nodeBlue};
}

void changeQuantity(Random& random, NodeDeltas& cell, int quantity) {
  visitQuantity(static_cast<Quantity>(quantity), [&](const auto& entry) {
    cell.*entry.cell = entry.ofWhole(random.pick(entry.facts.steps));
  });
}

void fillCells(Random& random, const Style& style, Level& level) {
  // The quantities that change are style.quantities of them in turn,
  // starting at a random one.
  const int first = random.below(allQuantities);
  for (NodeDeltas& cell : level.deltas) {
    cell = {};
    const int one = random.below(style.quantities);
    changeQuantity(random, cell, (first + one) % allQuantities);
    if (style.quantities > 1 && random.below(100) < style.doubleCellPercent) {
      const int other =
          (one + 1 + random.below(style.quantities - 1)) % style.quantities;
      changeQuantity(random, cell, (first + other) % allQuantities);
    }
  }
}

// A random chain from the source to the sink that passes no node twice and
// at least the given number of grid nodes, or an empty one when the walk
// ran into a dead end.
std::vector<Node*> randomChain(Random& random, const Board& board,
                               int fewestGridNodes) {
  std::vector<Node*> chain = {board.sourceNode};
  while (chain.back() != board.sinkNode) {
    std::vector<Node*> choices;
    for (const auto& candidate : board.nodes) {
      Node* next = candidate.get();
      if (!mayFollow(board, *chain.back(), *next)) continue;
      const bool onChain =
          std::find(chain.begin(), chain.end(), next) != chain.end();
      const bool tooSoon = next == board.sinkNode &&
                           static_cast<int>(chain.size()) <= fewestGridNodes;
      if (!onChain && !tooSoon) choices.push_back(next);
    }
    if (choices.empty()) return {};
    chain.push_back(choices[random.below(static_cast<int>(choices.size()))]);
  }
  return chain;
}

// A level whose target is what the planted chain makes of its start shape.
Level candidate(Random& random, Board& board, const Style& style) {
  Level level{};
  forEachQuantity([&](const auto& entry) {
    const QuantityFacts& facts = entry.facts;
    const int choices = facts.widestDelta() / facts.startStep + 1;
    level.*entry.start =
        entry.ofWhole(facts.lowest + facts.startStep * random.below(choices));
  });
  fillCells(random, style, level);
  board.setLevel(level);
  std::vector<Node*> chain;
  while (chain.empty())
    chain = randomChain(random, board, style.plantedGridNodes);
  Shape shape;
  shape.copyFrom(board.startShape);
  for (const Node* node : chain) addAndClamp(shape, *node);
  forEachQuantity(
      [&](const auto& entry) { level.*entry.target = shape.*entry.amount; });
  return level;
}

// Whether a candidate is worth the search: a start that is already the
// target is no puzzle.
bool worthSearching(const Level& level, const Style& style) {
  bool startIsTarget = true;
  bool insideLimits = true;
  forEachQuantity([&](const auto& entry) {
    const auto target = level.*entry.target;
    startIsTarget = startIsTarget && level.*entry.start == target;
    insideLimits =
        insideLimits && target > entry.lowest() && target < entry.highest();
  });
  if (startIsTarget) return false;
  return !style.targetInsideLimits || insideLimits;
}

// Proven: the search found solving chains, and grades the level as asked.
bool keeps(const LevelSolutions& found, Difficulty difficulty) {
  return found.solvingChains > 0 && gradeOf(found) == difficulty;
}

}  // namespace

std::optional<Difficulty> difficultyNamed(std::string_view name) {
  for (Difficulty d : {Difficulty::Easy, Difficulty::Medium, Difficulty::Hard})
    if (name == difficultyName(d)) return d;
  return std::nullopt;
}

const char* difficultyName(Difficulty difficulty) {
  switch (difficulty) {
    case Difficulty::Easy: return "easy";
    case Difficulty::Medium: return "medium";
    case Difficulty::Hard: return "hard";
  }
  return "medium";
}

Difficulty gradeOf(const LevelSolutions& solutions) {
  // Shortest chains count the source and the sink besides the grid nodes.
  const std::size_t gridNodes =
      solutions.shortest.empty() ? 0 : solutions.shortest.front().size() - 2;
  const long solving = solutions.solvingChains;
  const long legal = solutions.legalChains;
  if (solving * 100 < legal && gridNodes >= 5) return Difficulty::Hard;
  if (solving * 10 >= legal && solutions.solvableWithoutClamp)
    return Difficulty::Easy;
  return Difficulty::Medium;
}

std::vector<LevelRecipe> levelRecipes(std::uint64_t seed, int count,
                                      Difficulty difficulty) {
  std::vector<LevelRecipe> recipes;
  for (int index = 0; index < count; ++index)
    recipes.push_back({seed, difficulty, index});
  return recipes;
}

void LevelMaking::start(const LevelRecipe& recipe) {
  board.layOut();
  // Each level has a stream of its own, so a level does not depend on how
  // many candidates the levels before it needed.
  Random streams{recipe.seed};
  const int firstColour = streams.below(nodeColourCount);
  for (int skipped = 0; skipped < recipe.index; ++skipped) streams.next();
  randomState = streams.next() ^ static_cast<std::uint64_t>(recipe.difficulty);
  difficulty = recipe.difficulty;
  colour = (firstColour + recipe.index) % nodeColourCount;
  searching = false;
}

bool LevelMaking::advance(long steps) {
  const Style style = styleOf(difficulty);
  while (steps > 0) {
    if (!searching) {
      Random random{randomState};
      level = candidate(random, board, style);
      randomState = random.state;
      --steps;
      if (!worthSearching(level, style)) continue;
      board.setLevel(level);
      search.start(board, false);
      searching = true;
    }
    const long walkedBefore = search.stepsWalked;
    if (!search.advance(steps)) return false;
    steps -= search.stepsWalked - walkedBefore;
    searching = false;
    if (keeps(search.found, difficulty)) {
      const Colour shown = nodeColour(colour);
      level.nodeRed = shown.red;
      level.nodeGreen = shown.green;
      level.nodeBlue = shown.blue;
      return true;
    }
  }
  return false;
}

Level generateLevel(const LevelRecipe& recipe) {
  LevelMaking making;
  making.start(recipe);
  while (!making.advance(std::numeric_limits<long>::max())) {
  }
  return making.level;
}

std::vector<Level> generateLevels(std::uint64_t seed, int count,
                                  Difficulty difficulty) {
  std::vector<Level> levels;
  for (const LevelRecipe& recipe : levelRecipes(seed, count, difficulty))
    levels.push_back(generateLevel(recipe));
  return levels;
}
