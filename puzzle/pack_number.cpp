// Pack numbers: a scan shared by whole numbers and decimals, and an exact
// decimal-to-float rounding on small big integers.
#include "puzzle/pack_number.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The number as written: value = (-1 if negative) * digits * 10^-scale.
struct Scanned {
  bool negative = false;
  std::string digits;  // without leading zeros; empty for zero
  int scale = 0;       // digits after the point
  bool point = false;
};

NumberReading scan(std::string_view text, Scanned& number) {
  std::size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-'))
    number.negative = text[at++] == '-';
  bool anyDigit = false;
  for (; at < text.size(); ++at) {
    const char c = text[at];
    if (c == '.' && !number.point) {
      number.point = true;
      continue;
    }
    if (!isDigit(c)) break;
    anyDigit = true;
    if (number.point) ++number.scale;
    if (!number.digits.empty() || c != '0') number.digits += c;
  }
  if (!anyDigit) return NumberReading::NotANumber;
  if (at == text.size()) return NumberReading::Good;
  // An exponent is told apart so that the message can say what to write.
  std::size_t exponent = at + 1;
  if (exponent < text.size() &&
      (text[exponent] == '+' || text[exponent] == '-'))
    ++exponent;
  const bool digitsFollow =
      exponent < text.size() &&
      text.find_first_not_of("0123456789", exponent) == std::string_view::npos;
  return (text[at] == 'e' || text[at] == 'E') && digitsFollow
             ? NumberReading::HasExponent
             : NumberReading::NotANumber;
}

// A non-negative integer of any size, in base 2^32, least significant first.
struct BigNumber {
  std::vector<std::uint32_t> words;

  void multiplyAdd(std::uint32_t factor, std::uint32_t addend) {
    std::uint64_t carry = addend;
    for (std::uint32_t& word : words) {
      carry += std::uint64_t{word} * factor;
      word = static_cast<std::uint32_t>(carry);
      carry >>= 32;
    }
    if (carry != 0) words.push_back(static_cast<std::uint32_t>(carry));
  }
  void timesPowerOfTwo(int exponent) {
    for (; exponent >= 16; exponent -= 16) multiplyAdd(1u << 16, 0);
    multiplyAdd(1u << exponent, 0);
  }
  void timesPowerOfTen(int exponent) {
    for (; exponent >= 9; exponent -= 9) multiplyAdd(1000000000u, 0);
    for (; exponent > 0; --exponent) multiplyAdd(10, 0);
  }
  void trim() {
    while (!words.empty() && words.back() == 0) words.pop_back();
  }
};

int compare(BigNumber a, BigNumber b) {
  a.trim();
  b.trim();
  if (a.words.size() != b.words.size())
    return a.words.size() < b.words.size() ? -1 : 1;
  for (std::size_t i = a.words.size(); i-- > 0;)
    if (a.words[i] != b.words[i]) return a.words[i] < b.words[i] ? -1 : 1;
  return 0;
}

// The sign of digits * 10^-scale - point, exactly; point is a finite
// non-negative double (a float or the midpoint of two).
int compareWith(const Scanned& number, double point) {
  BigNumber left, right;
  for (char c : number.digits)
    left.multiplyAdd(10, static_cast<std::uint32_t>(c - '0'));
  int exponent = 0;
  const double fraction = std::frexp(point, &exponent);
  // point = mantissa * 2^(exponent - 53), the mantissa a whole number.
  const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
  right.words = {static_cast<std::uint32_t>(mantissa),
                 static_cast<std::uint32_t>(mantissa >> 32)};
  right.timesPowerOfTen(number.scale);
  exponent -= 53;
  if (exponent >= 0)
    right.timesPowerOfTwo(exponent);
  else
    left.timesPowerOfTwo(-exponent);
  return compare(left, right);
}

bool oddMantissa(float value) {
  std::uint32_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  return (bits & 1u) != 0;
}

// The nearest float to a non-negative scanned number.
float nearestFloat(const Scanned& number) {
  if (number.digits.empty()) return 0.0f;
  // A first guess from the leading digits; the exact comparisons below then
  // step to the nearest float.
  const std::size_t leading = std::min<std::size_t>(number.digits.size(), 17);
  double guess = 0.0;
  for (std::size_t i = 0; i < leading; ++i)
    guess = guess * 10.0 + (number.digits[i] - '0');
  const long decimalExponent =
      static_cast<long>(number.digits.size() - leading) - number.scale;
  if (decimalExponent > 40) return HUGE_VALF;
  if (decimalExponent < -400) return 0.0f;
  guess *= std::pow(10.0, static_cast<double>(decimalExponent));
  float value = static_cast<float>(guess);
  if (std::isinf(value)) return value;
  for (;;) {
    const float above = std::nextafter(value, HUGE_VALF);
    if (std::isinf(above)) break;
    const int overAbove = compareWith(number, (double{value} + above) / 2);
    if (overAbove > 0 || (overAbove == 0 && oddMantissa(value))) {
      value = above;
      continue;
    }
    if (value == 0.0f) break;
    const float below = std::nextafter(value, 0.0f);
    const int overBelow = compareWith(number, (double{value} + below) / 2);
    if (overBelow < 0 || (overBelow == 0 && oddMantissa(value))) {
      value = below;
      continue;
    }
    break;
  }
  return value;
}

}  // namespace

NumberReading readWholeNumber(std::string_view text, int& value) {
  Scanned number;
  const NumberReading reading = scan(text, number);
  if (reading != NumberReading::Good) return reading;
  if (number.point) return NumberReading::NotWhole;
  long long magnitude = 0;
  for (char c : number.digits) {
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > INT_MAX) break;
  }
  if (magnitude > INT_MAX) magnitude = INT_MAX;
  value = static_cast<int>(number.negative ? -magnitude : magnitude);
  return NumberReading::Good;
}

NumberReading readDecimal(std::string_view text, float& value) {
  Scanned number;
  const NumberReading reading = scan(text, number);
  if (reading != NumberReading::Good) return reading;
  const float magnitude = nearestFloat(number);
  // "-0" reads as 0, so that it is written back as 0.
  value = number.negative && magnitude != 0.0f ? -magnitude : magnitude;
  return NumberReading::Good;
}

bool decimalFromZeroToOne(std::string_view text) {
  Scanned number;
  if (scan(text, number) != NumberReading::Good) return false;
  if (number.digits.empty()) return true;  // zero, with any sign
  return !number.negative && compareWith(number, 1.0) <= 0;
}
