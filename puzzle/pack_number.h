// Numbers of the pack format, read the same way for every number and on
// every machine: an optional sign, digits, and for a decimal one point.
// Depends on no locale and on no floating-point parsing of the C library.
#pragma once

#include <string_view>

enum class NumberReading {
  Good,
  NotANumber,
  NotWhole,     // a decimal where a whole number belongs
  HasExponent,  // such as 1e-3: the format writes every digit
};

// Reads the whole of text as a whole number. One beyond the int range
// reads as the nearest int, so that the caller's range check reports it.
NumberReading readWholeNumber(std::string_view text, int& value);

// Reads the whole of text as a decimal and rounds it to the nearest float
// (ties to even), exactly, however many digits it has. One beyond the float
// range reads as infinity, so that the caller's range check reports it.
NumberReading readDecimal(std::string_view text, float& value);

// Whether text, which readDecimal reads as Good, is from 0 to 1 as written,
// digit for digit, before any rounding: "1.000" and "-0" are, while
// "1.0000000000000000000001", which rounds to 1, is not.
bool decimalFromZeroToOne(std::string_view text);
