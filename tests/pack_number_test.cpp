// Pack numbers: one reading for every number, and decimals rounded to the
// nearest float exactly, held against the C library's own rounding.
#include "puzzle/pack_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

TEST(PackNumber, EveryNumberTakesASignAndNoExponent) {
  int whole = 0;
  EXPECT_EQ(readWholeNumber("+7", whole), NumberReading::Good);
  EXPECT_EQ(whole, 7);
  EXPECT_EQ(readWholeNumber("-320", whole), NumberReading::Good);
  EXPECT_EQ(whole, -320);
  EXPECT_EQ(readWholeNumber("99999999999", whole), NumberReading::Good);
  EXPECT_EQ(whole, 2147483647);
  EXPECT_EQ(readWholeNumber("2.5", whole), NumberReading::NotWhole);
  EXPECT_EQ(readWholeNumber("1e2", whole), NumberReading::HasExponent);
  for (const char* text : {"", "+", "-", "+-1", "--1", "0x1", "1 ", "four"})
    EXPECT_EQ(readWholeNumber(text, whole), NumberReading::NotANumber) << text;

  float decimal = 0.0f;
  EXPECT_EQ(readDecimal("+0.5", decimal), NumberReading::Good);
  EXPECT_EQ(decimal, 0.5f);
  EXPECT_EQ(readDecimal("-0.25", decimal), NumberReading::Good);
  EXPECT_EQ(decimal, -0.25f);
  EXPECT_EQ(readDecimal("1", decimal), NumberReading::Good);
  EXPECT_EQ(decimal, 1.0f);
  EXPECT_EQ(readDecimal("1e308", decimal), NumberReading::HasExponent);
  EXPECT_EQ(readDecimal("1E-50", decimal), NumberReading::HasExponent);
  for (const char* text : {".", "nan", "inf", "0,5", "1.2.3", "1e", "0x1p-3"})
    EXPECT_EQ(readDecimal(text, decimal), NumberReading::NotANumber) << text;
  EXPECT_EQ(readDecimal("1" + std::string(60, '0'), decimal),
            NumberReading::Good);
  EXPECT_TRUE(std::isinf(decimal)) << "beyond the float range";
}

// The exact decimal of a double, every digit (glibc prints them all).
std::string exactDecimal(double value) {
  char text[1200];
  std::snprintf(text, sizeof text, "%.1100f", value);
  std::string exact = text;
  exact.erase(exact.find_last_not_of('0') + 1);
  return exact;
}

void expectAsCLibrary(const std::string& text) {
  float value = -1.0f;
  ASSERT_EQ(readDecimal(text, value), NumberReading::Good) << text;
  EXPECT_EQ(value, std::strtof(text.c_str(), nullptr)) << text;
}

TEST(PackNumber, DecimalsRoundToTheNearestFloatTiesToEven) {
  std::mt19937 random(20);
  std::uniform_int_distribution<int> digit(0, 9), length(1, 40);
  for (int i = 0; i < 2000; ++i) {
    std::string text = "0.";
    for (int n = length(random); n > 0; --n)
      text += static_cast<char>('0' + digit(random));
    expectAsCLibrary(text);
  }
  // Halfway between two floats, and a hair either side: the hardest cases,
  // subnormal ones among them.
  std::uniform_real_distribution<float> unit(0.0f, 1.0f);
  for (int i = 0; i < 500; ++i) {
    const float low =
        i % 5 == 0 ? std::ldexp(unit(random), -127) : unit(random);
    const double middle = (double{low} + std::nextafter(low, 2.0f)) / 2.0;
    const std::string half = exactDecimal(middle);
    expectAsCLibrary(half);
    expectAsCLibrary(half + "000000000000000000001");
    expectAsCLibrary(exactDecimal(std::nextafter(middle, 0.0)));
  }
  expectAsCLibrary("0." + std::string(45, '0') + "7");  // below the least
  expectAsCLibrary("0." + std::string(600, '0') + "1");
}

// A range is checked on the digits as written: a hair past 1 or below 0
// rounds into the range, but is not in it.
TEST(PackNumber, TheDigitsDecideWhetherADecimalIsFromZeroToOne) {
  for (const char* inside : {"0", "-0", "-0.000", "+0", "1", "1.000", "+1.0",
                             "0.5", "0.99999999999999999999999999"})
    EXPECT_TRUE(decimalFromZeroToOne(inside)) << inside;
  const std::string hair = std::string(60, '0') + "1";
  for (const std::string& outside :
       {std::string("1.0000000000000000000001"), "1." + hair, "-0." + hair,
        std::string("-0.1"), std::string("1.5"), std::string("10"),
        std::string("nan"), std::string("1e0")})
    EXPECT_FALSE(decimalFromZeroToOne(outside)) << outside;
  float rounded = 0.0f;
  ASSERT_EQ(readDecimal("1." + hair, rounded), NumberReading::Good);
  EXPECT_EQ(rounded, 1.0f) << "why the value alone cannot tell";
}

}  // namespace
