// A shape's quantities as numbers.
#include "puzzle/shape_numbers.h"

#include <cmath>

int quantityValue(const Shape& shape, Quantity quantity) {
  switch (quantity) {
    case Quantity::Size: return static_cast<int>(std::lround(shape.size));
    case Quantity::Corners: return shape.sides;
    case Quantity::Hue: return static_cast<int>(std::lround(shape.hue));
  }
  return 0;
}

std::string shortNumber(const Shape& shape, const QuantityFacts& facts) {
  return facts.letter + std::to_string(quantityValue(shape, facts.quantity));
}

std::string longNumber(const Shape& shape, const QuantityFacts& facts) {
  const std::string value =
      std::to_string(quantityValue(shape, facts.quantity));
  // "5 corners" reads as a count; the others as a measure.
  if (facts.quantity == Quantity::Corners) return value + " " + facts.name;
  return std::string(facts.name) + " " + value;
}

std::string limitsText() {
  std::string text;
  for (const QuantityFacts& facts : kQuantities) {
    const std::string range =
        std::to_string(facts.lowest) + " to " + std::to_string(facts.highest);
    if (!text.empty()) text += ", ";
    text += facts.quantity == Quantity::Corners
                ? range + " " + facts.name
                : std::string(facts.name) + " " + range;
  }
  return text;
}

bool wasClamped(unsigned clamps, const QuantityFacts& facts) {
  return (clamps & facts.clampBits) != 0;
}
