// A shape's quantities as numbers.
#include "puzzle/shape_numbers.h"

#include <cmath>

int quantityValue(const Shape& shape, Quantity quantity) {
  int value = 0;
  visitQuantity(quantity, [&](const auto& entry) {
    value = static_cast<int>(std::lround(shape.*entry.amount));
  });
  return value;
}

std::string shortNumber(const Shape& shape, const QuantityFacts& facts) {
  return facts.letter + std::to_string(quantityValue(shape, facts.quantity));
}

std::string longNumber(const Shape& shape, const QuantityFacts& facts) {
  const std::string value =
      std::to_string(quantityValue(shape, facts.quantity));
  if (facts.counted) return value + " " + facts.name;
  return std::string(facts.name) + " " + value;
}

std::string limitsText() {
  std::string text;
  for (const QuantityFacts& facts : kQuantities) {
    const std::string range =
        std::to_string(facts.lowest) + " to " + std::to_string(facts.highest);
    if (!text.empty()) text += ", ";
    text += facts.counted ? range + " " + facts.name
                          : std::string(facts.name) + " " + range;
  }
  return text;
}

bool wasClamped(unsigned clamps, const QuantityFacts& facts) {
  return (clamps & facts.clampBits()) != 0;
}

std::string clampsText(unsigned clamps) {
  std::string text;
  const auto name = [&](unsigned flag, const char* quantity, const char* change,
                        int limit) {
    if ((clamps & flag) == 0) return;
    if (!text.empty()) text += ", ";
    text += std::string(quantity) + change + std::to_string(limit);
  };
  for (const QuantityFacts& facts : kQuantities) {
    name(facts.raised, facts.packName, " raised to ", facts.lowest);
    name(facts.lowered, facts.packName, " lowered to ", facts.highest);
  }
  return text.empty() ? "none" : text;
}
