// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "grading/exact_decimal.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <string>

#include "grading/big_number.h"

namespace grading {
namespace {

// Significant digits kept of a long decimal; the rest only say whether they
// are all zeros. Exact, since a float, and a midpoint between two floats,
// has at most 112 significant decimal digits: none of them lies strictly
// between the kept digits and the whole number.
constexpr std::size_t kKeptDigits = 128;
constexpr std::int64_t kCap = std::int64_t{1} << 60;  // far beyond any float's exponent

// value = digits × 10^exponent, with `sticky` when nonzero digits were
// dropped beyond the kept ones. No leading or trailing zeros in digits.
struct Decimal {
  std::array<char, kKeptDigits> digits{};
  std::size_t count = 0;
  std::int64_t exponent = 0;
  bool sticky = false;
};

std::int64_t Saturate(std::int64_t value) {
  return value > kCap ? kCap : (value < -kCap ? -kCap : value);
}

Decimal Significant(std::string_view integer, std::string_view fraction, std::int64_t exponent) {
  Decimal decimal;
  std::int64_t dropped = 0;
  bool leading = true;
  for (std::string_view part : {integer, fraction}) {
    for (char c : part) {
      if (leading && c == '0') continue;
      leading = false;
      if (decimal.count < kKeptDigits) {
        decimal.digits[decimal.count++] = c;
      } else {
        ++dropped;
        decimal.sticky = decimal.sticky || c != '0';
      }
    }
  }
  while (decimal.count > 0 && decimal.digits[decimal.count - 1] == '0') {
    --decimal.count;
    ++dropped;
  }
  decimal.exponent =
      Saturate(Saturate(exponent) - static_cast<std::int64_t>(fraction.size()) + dropped);
  return decimal;
}

BigNumber FromDigits(const Decimal& decimal) {
  BigNumber number;
  for (std::size_t i = 0; i < decimal.count; ++i) {
    number.MultiplyAdd(10, static_cast<std::uint32_t>(decimal.digits[i] - '0'));
  }
  return number;
}

// floor(log2(numerator / denominator)), both nonzero.
int FloorLog2(const BigNumber& numerator, const BigNumber& denominator) {
  const int guess =
      static_cast<int>(numerator.BitLength()) - static_cast<int>(denominator.BitLength());
  BigNumber left = numerator;
  BigNumber right = denominator;
  if (guess >= 0) {
    right.ShiftLeft(static_cast<unsigned>(guess));
  } else {
    left.ShiftLeft(static_cast<unsigned>(-guess));
  }
  return left.Compare(right) >= 0 ? guess : guess - 1;
}

// floor(numerator / denominator), known to be below 2^26; the remainder is
// left in numerator.
std::uint32_t SmallQuotient(BigNumber& numerator, const BigNumber& denominator) {
  std::uint32_t quotient = 0;
  for (int bit = 25; bit >= 0; --bit) {
    BigNumber part = denominator;
    part.ShiftLeft(static_cast<unsigned>(bit));
    if (numerator.Compare(part) < 0) continue;
    numerator.Subtract(part);
    quotient |= std::uint32_t{1} << bit;
  }
  return quotient;
}

}  // namespace

NearestFloat NearestFloatTo(std::string_view integer, std::string_view fraction,
                            std::int64_t exponent, bool negative) {
  const float zero = negative ? -0.0f : 0.0f;
  const Decimal decimal = Significant(integer, fraction, exponent);
  if (decimal.count == 0) return {false, zero};
  // The decimal exponent of the first digit: from 1e39 up every number is
  // beyond FLT_MAX (3.4e38); below 1e-46 every one rounds to zero (the
  // smallest float, 1.4e-45, is nearer 0 than 7e-46 is).
  const std::int64_t top = static_cast<std::int64_t>(decimal.count) - 1 + decimal.exponent;
  if (top > 38) return {true, 0.0f};
  if (top < -46) return {false, zero};

  // value = numerator / denominator, exactly (but for the sticky digits).
  BigNumber numerator = FromDigits(decimal);
  BigNumber denominator(1);
  if (decimal.exponent >= 0) {
    numerator.MultiplyByPowerOfTen(static_cast<unsigned>(decimal.exponent));
  } else {
    denominator.MultiplyByPowerOfTen(static_cast<unsigned>(-decimal.exponent));
  }
  // The value in units of half the float step at its magnitude: 2^(b-23)
  // for a normal float, 2^-149 below FLT_MIN. One rounding, to nearest
  // with ties to even, from the last bit and whatever lies beyond it.
  const int binary = FloorLog2(numerator, denominator);
  const int unit = binary - 23 > -149 ? binary - 23 : -149;
  const int shift = 1 - unit;
  if (shift >= 0) {
    numerator.ShiftLeft(static_cast<unsigned>(shift));
  } else {
    denominator.ShiftLeft(static_cast<unsigned>(-shift));
  }
  const std::uint32_t halves = SmallQuotient(numerator, denominator);
  const bool beyond = !numerator.IsZero() || decimal.sticky;
  std::uint32_t mantissa = halves >> 1;
  if ((halves & 1) != 0 && (beyond || (mantissa & 1) != 0)) ++mantissa;
  if (mantissa == 0) return {false, zero};
  if (unit + static_cast<int>(BigNumber(mantissa).BitLength()) > 128) return {true, 0.0f};
  const float value = std::ldexp(static_cast<float>(mantissa), unit);  // exact
  return {false, negative ? -value : value};
}

std::size_t WriteSevenDigits(float value, char* out) {
  // |value| = mantissa × 2^exponent exactly, and so = digits × 10^shift.
  int binary = 0;
  const float fraction = std::frexp(std::fabs(value), &binary);
  const auto mantissa = static_cast<std::uint32_t>(std::ldexp(fraction, 24));
  const int exponent = binary - 24;
  BigNumber number(mantissa);
  int shift = 0;
  if (exponent >= 0) {
    number.ShiftLeft(static_cast<unsigned>(exponent));
  } else {
    number.MultiplyByPowerOfFive(static_cast<unsigned>(-exponent));
    shift = exponent;
  }
  std::string digits = number.Digits();
  int decimal = static_cast<int>(digits.size()) - 1 + shift;  // of the first digit

  if (digits.size() > 7) {  // to seven digits, ties to even
    const char next = digits[7];
    const bool rest = digits.find_first_not_of('0', 8) != std::string::npos;
    const bool up = next > '5' || (next == '5' && (rest || (digits[6] - '0') % 2 == 1));
    digits.resize(7);
    int i = 6;
    for (; up && i >= 0 && digits[static_cast<std::size_t>(i)] == '9'; --i) {
      digits[static_cast<std::size_t>(i)] = '0';
    }
    if (up && i < 0) {  // 9999999.5 and the like: one digit more
      digits.resize(1);
      digits[0] = '1';
      ++decimal;
    } else if (up) {
      ++digits[static_cast<std::size_t>(i)];
    }
  }
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::size_t n = 0;
  if (value < 0) out[n++] = '-';
  const auto count = static_cast<int>(digits.size());
  if (decimal < -4 || decimal >= 7) {
    out[n++] = digits[0];
    if (count > 1) out[n++] = '.';
    for (int i = 1; i < count; ++i) out[n++] = digits[static_cast<std::size_t>(i)];
    out[n++] = 'e';
    out[n++] = decimal < 0 ? '-' : '+';
    const int magnitude = std::abs(decimal);
    if (magnitude >= 100) out[n++] = static_cast<char>('0' + magnitude / 100);
    out[n++] = static_cast<char>('0' + magnitude / 10 % 10);
    out[n++] = static_cast<char>('0' + magnitude % 10);
  } else if (decimal >= 0) {
    for (int i = 0; i <= decimal; ++i) {
      out[n++] = i < count ? digits[static_cast<std::size_t>(i)] : '0';
    }
    if (count > decimal + 1) out[n++] = '.';
    for (int i = decimal + 1; i < count; ++i) out[n++] = digits[static_cast<std::size_t>(i)];
  } else {
    out[n++] = '0';
    out[n++] = '.';
    for (int i = -1; i > decimal; --i) out[n++] = '0';
    for (int i = 0; i < count; ++i) out[n++] = digits[static_cast<std::size_t>(i)];
  }
  return n;
}

}  // namespace grading
