// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "grading/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "tests/grading/float_bits.h"
#include "tests/grading/read_back.h"
#include "tests/grading/reference_conversions.h"

namespace grading {
namespace {

struct Accepted {
  std::string text;
  float value;
};

TEST(ParseNumber, AcceptsTheNotationsOfTheSheet) {
  const float one_up = std::nextafter(1.0f, 2.0f);
  const std::vector<Accepted> rows = {
      {"12.3", 12.3f},
      {"0.1", 0.1f},
      {"-10", -10.0f},
      {"+1", 1.0f},
      {"007", 7.0f},
      {"1.", 1.0f},
      {".5", 0.5f},
      {"-.5", -0.5f},
      {"1e3", 1000.0f},
      {"1E+3", 1000.0f},
      {"2.5e-3", 2.5e-3f},
      {"  12.5\t", 12.5f},
      {"\u3000 7 \u3000", 7.0f},
      {"１２．５", 12.5f},
      {"－３", -3.0f},
      {"＋4", 4.0f},
      {"１ｅ２", 100.0f},
      {"12。5", 12.5f},  // the point of Chinese punctuation mode
      {"１２。５", 12.5f},
      {"。5", 0.5f},
      {"-12。", -12.0f},
      {"2。5e1", 25.0f},
      {"1Ｅ－2", 0.01f},
      {"12.5\r\n", 12.5f},  // a cell copied from a spreadsheet
      {"12.5\n", 12.5f},
      {"\xC2\xA0"
       "12.5\xC2\xA0",
       12.5f},  // no-break spaces
      {"\r\n\t 7", 7.0f},
      {" 12.", 12.0f},
      {"１２．", 12.0f},
      {"　１２．\r\n", 12.0f},
      {"12.5" + std::string(60, '0'), 12.5f},  // 64 characters: the short buffer's edge
      {"12.5" + std::string(61, '0'), 12.5f},  // 65: one beyond it
      {std::string(62, ' ') + "12", 12.0f},
      // Nearest binary32 straight from the decimal: through double this
      // rounds to the midpoint 1 + 2^-24 first and then down to 1.
      {"1.0000000596046447753906251", one_up},
      {"3.4028235e38", FLT_MAX},
      {"3.40282356e38", FLT_MAX},  // above FLT_MAX, still nearer it than infinity
      {"-3.4028235e38", -FLT_MAX},
      {"1e-40", 1e-40f},  // subnormal
      {"1.401298e-45", std::numeric_limits<float>::denorm_min()},
      {"1e-50", 0.0f},
      {"0.0000000000000000000000000000000000000000000000000001", 0.0f},
      {"0e99999999999999999999", 0.0f},
      {"1e-99999999999999999999", 0.0f},
  };
  for (const Accepted& row : rows) {
    ParsedNumber parsed = ParseNumber(row.text);
    EXPECT_EQ(parsed.status, ParseStatus::kOk) << row.text;
    EXPECT_EQ(parsed.value, row.value) << row.text;
  }
  EXPECT_TRUE(std::signbit(ParseNumber("-1e-50").value)) << "a tiny negative keeps its sign";
}

struct Rejected {
  std::string text;
  ParseStatus status;
};

TEST(ParseNumber, RejectsEverythingElse) {
  const ParseStatus nan = ParseStatus::kNotANumber;
  const ParseStatus foreign = ParseStatus::kForeignCharacter;
  const ParseStatus range = ParseStatus::kOutOfRange;
  const std::vector<Rejected> rows = {
      {"", nan},
      {" ", nan},
      {"\t\u3000 ", nan},
      {"abc", nan},
      {"12a", nan},
      {"1,000", foreign},  // digit grouping
      {"1,5", foreign},    // decimal comma
      {"１，５", foreign},
      {"12、5", foreign},  // the ideographic comma
      {"x,5", foreign},    // a comma anywhere, after another fault too
      {"1。2。3", nan},    // points of both kinds count alike
      {"。", nan},
      {"0x10", nan},
      {"inf", nan},
      {"-inf", nan},
      {"nan", nan},
      {"infinity", nan},
      {".", nan},
      {"+", nan},
      {"-", nan},
      {"e5", nan},
      {"1e", nan},
      {"1e+", nan},
      {"1e5.5", nan},
      {"1.2.3", nan},
      {"1 2", nan},
      {"12.5\n34", nan},  // two cells are not one number
      {"12.5\r\n34\r\n", nan},
      {"\r\n", nan},
      {"１ａ２", foreign},  // fullwidth letters other than Ｅ and ｅ
      {"１２Ａ", foreign},
      {"％", foreign},
      {"伐", foreign},  // another three-byte character
      {"1伐", foreign},
      {"--1", nan},
      {"+-1", nan},
      {"1-", nan},
      {"٣", foreign},                 // Arabic-Indic digit
      {"\xEF\xBC", foreign},          // cut-off UTF-8
      {"\xEF\xBC\x90\xEF", foreign},  // fullwidth 0, then a cut-off character
      {std::string("1\0", 2), nan},   // embedded NUL
      {"1e39", range},
      {"-1e39", range},
      {"3.4028236e38", range},
      {"1e99999999999999999999", range},
      {"0.001e99999999999999999999", range},
      {"09e9999999999999999999", range},  // the exponent saturates, never overflows
      {std::string(100000, '9'), range},
  };
  for (const Rejected& row : rows) {
    EXPECT_EQ(ParseNumber(row.text).status, row.status) << '"' << row.text << '"';
  }
}

struct Shown {
  float value;
  std::string text;
};

TEST(FormatNumber, ShowsAtMostSevenSignificantDigits) {
  const std::vector<Shown> rows = {
      {0.0f, "0"},
      {-0.0f, "0"},
      {0.5f, "0.5"},
      {-10.0f, "-10"},
      {4.0f, "4"},
      {24.68f, "24.68"},
      {2.78125f, "2.78125"},
      {40.0000076f, "40.00001"},
      {3.4105263f, "3.410526"},
      {9999999.0f, "9999999"},
      {1e7f, "1e+07"},
      {12345678.0f, "1.234568e+07"},
      {0.0001f, "0.0001"},
      {0.00035f, "0.00035"},
      {0.001f, "0.001"},
      {0.0025f, "0.0025"},
      {0.01f, "0.01"},  // a 0.05 g mass
      {0.05f, "0.05"},
      {0.1f, "0.1"},
      {0.75f, "0.75"},
      {1.5f, "1.5"},
      {12.5f, "12.5"},
      {99.9f, "99.9"},
      {123.4f, "123.4"},
      {500.0f, "500"},
      {1234.5f, "1234.5"},
      {25000.0f, "25000"},
      {123456.7f, "123456.7"},
      {1e6f, "1000000"},
      {2500000.0f, "2500000"},
      {-0.00012345f, "-0.00012345"},
      {1e-5f, "1e-05"},
      {FLT_MAX, "3.402823e+38"},
      {-FLT_MAX, "-3.402823e+38"},
      {std::numeric_limits<float>::denorm_min(), "1.401298e-45"},
  };
  for (const Shown& row : rows) EXPECT_EQ(FormatNumber(row.value), row.text) << row.text;
}

// The conversions agree with the standard library's: the seven-digit %g
// form and the nearest float (reference_conversions.h).
TEST(NumberText, ShortcutsAgreeWithTheGeneralConversions) {
  std::vector<float> values = {
      1234567.5f, 1234568.5f,  9999999.0f, 9999998.5f, 0.0001f, std::nextafter(0.0001f, 0.0f),
      99999.995f, 0.00012345f, 1.0000005f, 2.442485f};
  std::mt19937 random(8);
  std::uniform_real_distribution<float> exponent(-6.0f, 7.5f);
  while (values.size() < 200000) values.push_back(std::pow(10.0f, exponent(random)));
  for (float value : values) {
    for (float signed_value : {value, -value}) {
      const std::string text = ReferenceForm(signed_value);
      ASSERT_EQ(FormatNumber(signed_value), text) << BitsOf(value);
      ASSERT_EQ(ParseNumber(text).value, ReferenceValue(text)) << text;
    }
  }
}

TEST(FormatNumber, EveryFiniteValueReadsBack) {
  std::vector<float> values = {FLT_MAX,
                               -FLT_MAX,
                               FLT_MIN,
                               -FLT_MIN,
                               std::numeric_limits<float>::denorm_min(),
                               std::nextafter(FLT_MIN, 0.0f)};
  for (int e = -149; e <= 127; ++e) {
    float power = std::ldexp(1.0f, e);
    values.insert(values.end(),
                  {power, -power, std::nextafter(power, 0.0f), std::nextafter(power, INFINITY)});
  }
  for (int e = -45; e <= 38; ++e) {  // around the powers of ten, where the form switches
    float power = std::pow(10.0f, static_cast<float>(e));
    values.insert(values.end(),
                  {power, std::nextafter(power, 0.0f), std::nextafter(power, INFINITY)});
  }
  std::mt19937 random(20261208);
  while (values.size() < 300000) {
    float value = FloatOf(static_cast<std::uint32_t>(random()));
    if (std::isfinite(value)) values.push_back(value);
  }
  for (float value : values) {
    ASSERT_EQ(ReadBackProblem(value), "") << BitsOf(value);
  }
}

}  // namespace
}  // namespace grading
