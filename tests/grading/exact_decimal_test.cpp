// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "grading/exact_decimal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "grading/fast_decimal.h"
#include "grading/number_text.h"
#include "tests/grading/float_bits.h"

namespace grading {
namespace {

// 1 + 2^-24, halfway between 1 and the float above it, written out whole.
const std::string kMidpointAboveOne = "1.000000059604644775390625";
// 2^-150, halfway between 0 and the smallest float.
const std::string kHalfSmallest =
    "7.00649232162408535461864791644958065640130970938257885878534141944895541342930300743319094"
    "181060791015625e-46";

struct Read {
  std::string text;
  float value;
  ParseStatus status;
};

// The cases where a conversion through fewer digits, or through double,
// goes wrong: exact midpoints (ties to even), a tie broken only by a digit
// beyond the 128 kept, and the edges of the range. Expected values are
// hexadecimal, independent of any decimal conversion.
TEST(ExactDecimal, ReadsTheNearestFloatOfAnyLength) {
  const ParseStatus ok = ParseStatus::kOk;
  const std::vector<Read> rows = {
      {kMidpointAboveOne, 0x1p0f, ok},                                       // to even: down
      {kMidpointAboveOne + std::string(150, '0') + "1", 0x1.000002p0f, ok},  // just above
      {"1.0000000596046447753906249" + std::string(150, '9'), 0x1p0f, ok},   // just below
      {"1.000000178813934326171875", 0x1.000004p0f, ok},  // 1 + 3 * 2^-24: to even, up
      {kHalfSmallest, 0.0f, ok},                          // to even: zero
      {kHalfSmallest.substr(0, 106) + "1e-46", 0x1p-149f, ok},
      {"7e-46", 0.0f, ok},
      {"7.1e-46", 0x1p-149f, ok},
      {"0." + std::string(44, '0') + "14", 0x1p-149f, ok},
      {"1e-40", 0x1.16c2p-133f, ok},  // subnormal
      {"9.999999e-39", 0x1.b38fb8p-127f, ok},
      {"1.17549435e-38", 0x1p-126f, ok},  // FLT_MIN
      {"123456789012345678901234567890", 0x1.8ee91p96f, ok},
      {"1" + std::string(200, '0') + "e-200", 0x1p0f, ok},
      {"0." + std::string(300, '0') + "1e301", 0x1p0f, ok},
      {"340282346638528859811704183484516925440", 0x1.fffffep127f, ok},  // FLT_MAX
      {"340282356779733661637539395458142568447", 0x1.fffffep127f, ok},  // below the midpoint
      {"340282356779733661637539395458142568448", 0.0f, ParseStatus::kOutOfRange},  // to 2^128
      {"1e39", 0.0f, ParseStatus::kOutOfRange},
  };
  for (const Read& row : rows) {
    const ParsedNumber parsed = ParseNumber(row.text);
    EXPECT_EQ(parsed.status, row.status) << row.text.substr(0, 60);
    if (row.status == ok) {
      EXPECT_EQ(parsed.value, row.value) << row.text.substr(0, 60);
    }
  }
  EXPECT_TRUE(std::signbit(NearestFloatTo("", "", 0, true).value)) << "-0 keeps its sign";
  EXPECT_TRUE(std::signbit(NearestFloatTo("7", "", -46, true).value));
}

struct Shown {
  float value;
  const char* text;
};

// Ties at the seventh digit go to even, exactly as the value is; a carry
// through the nines adds a digit.
TEST(ExactDecimal, WritesSevenDigitsRoundedExactly) {
  const Shown rows[] = {
      {10000005.0f, "1e+07"},         // ...0|5: to even, down
      {10000015.0f, "1.000002e+07"},  // ...1|5: to even, up
      {16777215.0f, "1.677722e+07"},
      {99999997952.0f, "1e+11"},  // 9999999|7952: carried through
      {0x1p-149f, "1.401298e-45"},
      {-0x1p-149f, "-1.401298e-45"},
      {0x1.fffffep127f, "3.402823e+38"},
      {0x1p-126f, "1.175494e-38"},
      {1e-5f, "1e-05"},
      {-2.5e-7f, "-2.5e-07"},
      {1e20f, "1e+20"},
      {0.0001f, "0.0001"},
      {1234567.0f, "1234567"},
      {0.5f, "0.5"},
  };
  char buffer[32];
  for (const Shown& row : rows) {
    EXPECT_EQ(std::string(buffer, WriteSevenDigits(row.value, buffer)), row.text) << row.text;
  }
}

// Two ways to the plain form, made independently: the everyday shortcut
// (through double) and the exact one (through big integers) agree.
TEST(ExactDecimal, AgreesWithThePlainShortcut) {
  std::mt19937 random(17);
  std::uniform_real_distribution<float> exponent(-4.0f, 7.0f);
  char plain[32], exact[32];
  for (int i = 0; i < 100000; ++i) {
    const float value = std::pow(10.0f, exponent(random)) * (i % 2 == 0 ? 1.0f : -1.0f);
    const std::size_t length = WritePlainDecimal(value, plain);
    if (length == 0) continue;
    ASSERT_EQ(std::string(plain, length), std::string(exact, WriteSevenDigits(value, exact)))
        << BitsOf(value);
  }
}

}  // namespace
}  // namespace grading
