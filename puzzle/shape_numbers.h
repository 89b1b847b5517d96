// A shape's quantities as numbers and words, from the quantities' table
// (puzzle/quantities.h). Drawing and any words about a shape read it.
#pragma once

#include <string>

#include "puzzle/quantities.h"

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
// "size raised to 2, hue lowered to 320", or "none": the limits a chain
// leant on, from the flags addAndClamp returned, in a pack's spelling.
std::string clampsText(unsigned clamps);
