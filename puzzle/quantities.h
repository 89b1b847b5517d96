// A shape's quantities (size, corners, hue), described once: their names,
// limits, clamp bits, pack spelling, the steps a made-up level takes, and
// the fields that carry each in a shape, a node, a level and a cell. The
// shape, the clamp, the board, the play view, the pack reader and writer,
// the progress key, the generator, the level checker and every word about
// a shape walk this table, so a new quantity is its fields and one entry.
#pragma once

#include <array>
#include <cstddef>
#include <tuple>

#include "puzzle/levels.h"
#include "puzzle/node.h"
#include "puzzle/shape.h"

// The order every list of a shape's numbers keeps.
enum class Quantity { Size, Corners, Hue };

// Which limits one node's deltas ran into, as bits.
enum ClampFlag : unsigned {
  hueRaised = 1u << 0,
  hueLowered = 1u << 1,
  sidesRaised = 1u << 2,
  sidesLowered = 1u << 3,
  sizeRaised = 1u << 4,
  sizeLowered = 1u << 5,
};

// Whole numbers the generator picks from.
struct Steps {
  const int* values;
  int count;
};

template <std::size_t Count>
constexpr Steps stepsOf(const int (&values)[Count]) {
  return {values, static_cast<int>(Count)};
}

// What is said about a quantity, whatever its type.
struct QuantityFacts {
  Quantity quantity;
  const char* name;      // "size", "corners", "hue": what a player reads
  const char* letter;    // the short form's prefix: "s", "c", "h"
  const char* packName;  // "size", "sides", "hue": the pack's and checker's
  bool counted;          // read as a count ("5 corners"), not "size 3"
  unsigned raised;       // the ClampFlag bit of its lowest limit
  unsigned lowered;      // and of its highest
  int lowest;            // its limits, whole numbers
  int highest;
  // A made-up level starts at lowest plus a whole number of startStep, and
  // its nodes change the quantity by one of steps.
  int startStep;
  Steps steps;

  constexpr unsigned clampBits() const { return raised | lowered; }
  // A delta needs no more than the width of the limits.
  constexpr int widestDelta() const { return highest - lowest; }
};

// A level's two shapes.
enum class LevelShape { Start, Target };

// The facts and the fields of one quantity, whose numbers are Number.
template <typename Number>
struct QuantityEntry {
  QuantityFacts facts;
  Number Shape::*amount;
  Number Node::*delta;
  Number NodeDeltas::*cell;
  Number Level::*start;
  Number Level::*target;

  // Packs and the generator write every amount as a whole number.
  static constexpr Number ofWhole(int value) {
    return static_cast<Number>(value);
  }
  constexpr Number Level::*shapeField(LevelShape shape) const {
    return shape == LevelShape::Start ? start : target;
  }
  constexpr Number lowest() const { return ofWhole(facts.lowest); }
  constexpr Number highest() const { return ofWhole(facts.highest); }
};

inline constexpr int kSizeSteps[] = {-6, -4, -2, -1, 1, 2, 4, 6};
inline constexpr int kSidesSteps[] = {-3, -2, -1, 1, 2, 3};
inline constexpr int kHueSteps[] = {-180, -120, -60, 60, 120, 180};

inline constexpr auto kQuantityTable = std::make_tuple(
    QuantityEntry<float>{{Quantity::Size, "size", "s", "size", false,
                          sizeRaised, sizeLowered, static_cast<int>(kMinSize),
                          static_cast<int>(kMaxSize), 1, stepsOf(kSizeSteps)},
                         &Shape::size,
                         &Node::sizeDelta,
                         &NodeDeltas::sizeDelta,
                         &Level::startSize,
                         &Level::targetSize},
    QuantityEntry<int>{
        {Quantity::Corners, "corners", "c", "sides", true, sidesRaised,
         sidesLowered, kMinSides, kMaxSides, 1, stepsOf(kSidesSteps)},
        &Shape::sides,
        &Node::sidesDelta,
        &NodeDeltas::sidesDelta,
        &Level::startSides,
        &Level::targetSides},
    QuantityEntry<float>{{Quantity::Hue, "hue", "h", "hue", false, hueRaised,
                          hueLowered, static_cast<int>(kMinHue),
                          static_cast<int>(kMaxHue), 60, stepsOf(kHueSteps)},
                         &Shape::hue,
                         &Node::hueDelta,
                         &NodeDeltas::hueDelta,
                         &Level::startHue,
                         &Level::targetHue});

constexpr std::size_t kQuantityCount =
    std::tuple_size_v<decltype(kQuantityTable)>;

// Calls visit with each entry, in the table's order.
template <typename Visit>
constexpr void forEachQuantity(Visit&& visit) {
  std::apply([&](const auto&... entry) { (visit(entry), ...); },
             kQuantityTable);
}

// Calls visit with the entry of one quantity.
template <typename Visit>
constexpr void visitQuantity(Quantity quantity, Visit&& visit) {
  forEachQuantity([&](const auto& entry) {
    if (entry.facts.quantity == quantity) visit(entry);
  });
}

// The facts alone, for words and loops that need no field.
inline constexpr std::array<QuantityFacts, kQuantityCount> kQuantities =
    std::apply(
        [](const auto&... entry) {
          return std::array<QuantityFacts, kQuantityCount>{entry.facts...};
        },
        kQuantityTable);

// Lists indexed by quantity (numbers in a pack's cell, lines of words)
// rely on the table keeping the enumeration's order.
constexpr bool inEnumOrder() {
  for (std::size_t i = 0; i < kQuantityCount; ++i)
    if (kQuantities[i].quantity != static_cast<Quantity>(i)) return false;
  return true;
}
static_assert(inEnumOrder(), "kQuantityTable follows enum Quantity");

constexpr std::size_t indexOf(Quantity quantity) {
  return static_cast<std::size_t>(quantity);
}
