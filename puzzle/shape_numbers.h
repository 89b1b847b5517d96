// A shape's three quantities as numbers, described once: what each is
// called, how it is written beside a shape, and which limit bits say a
// node's change to it was cut. Drawing and any words about a shape read it.
#pragma once

#include <array>
#include <string>

#include "puzzle/clamp.h"
#include "puzzle/shape.h"

enum class Quantity { Size, Corners, Hue };

struct QuantityFacts {
  Quantity quantity;
  const char* name;    // "size", "corners", "hue"
  const char* letter;  // the short form's prefix: "s", "c", "h"
  unsigned clampBits;  // the ClampFlag bits of its two limits
  int lowest;          // its limits, whole numbers
  int highest;
};

// Size, corners, hue: the order every list of a shape's numbers keeps.
constexpr std::array<QuantityFacts, 3> kQuantities = {{
    {Quantity::Size, "size", "s", sizeRaised | sizeLowered,
     static_cast<int>(kMinSize), static_cast<int>(kMaxSize)},
    {Quantity::Corners, "corners", "c", sidesRaised | sidesLowered, kMinSides,
     kMaxSides},
    {Quantity::Hue, "hue", "h", hueRaised | hueLowered,
     static_cast<int>(kMinHue), static_cast<int>(kMaxHue)},
}};

// The quantity's value, rounded to a whole number (hue in degrees).
int quantityValue(const Shape& shape, Quantity quantity);
// "s3", "c5", "h200": beside a traced shape, where room is short.
std::string shortNumber(const Shape& shape, const QuantityFacts& facts);
// "size 3", "5 corners", "hue 200": beside the start, target and result.
std::string longNumber(const Shape& shape, const QuantityFacts& facts);
// Whether a node's change to the quantity ran into a limit, from the
// flags addAndClamp returned.
bool wasClamped(unsigned clamps, const QuantityFacts& facts);
// "size 2 to 8, 3 to 8 corners, hue 0 to 320": every quantity's limits.
std::string limitsText();
