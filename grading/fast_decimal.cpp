// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "grading/fast_decimal.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace grading {
namespace {

constexpr std::array<float, 11> kFloatPowers = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f,
                                                1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
constexpr std::array<double, 12> kDoublePowers = {1e0, 1e1, 1e2, 1e3, 1e4,  1e5,
                                                  1e6, 1e7, 1e8, 1e9, 1e10, 1e11};
constexpr std::uint32_t kExactLimit = std::uint32_t{1} << 24;

// Copies the seven digits of n (1000000 <= n <= 9999999) into digits.
void SevenDigits(std::uint32_t n, char* digits) {
  for (int i = 6; i >= 0; --i, n /= 10) digits[i] = static_cast<char>('0' + n % 10);
}

// Rounds 0 <= x < 2^52 to an integer, ties to even: adding 2^52 leaves no
// bits for a fraction. Cheaper than nearbyint, which guards the FP state.
double RoundToEven(double x) {
  constexpr double kShift = 4503599627370496.0;  // 2^52
  return (x + kShift) - kShift;
}

}  // namespace

std::optional<float> ReadShortDecimal(std::string_view text) {
  std::size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) ++i;
  std::uint32_t digits = 0;
  std::size_t count = 0;
  std::size_t decimals = 0;
  bool point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '.' && !point) {
      point = true;
      continue;
    }
    if (c < '0' || c > '9') return std::nullopt;
    digits = digits * 10 + static_cast<std::uint32_t>(c - '0');
    if (digits > kExactLimit) return std::nullopt;
    ++count;
    if (point) ++decimals;
  }
  if (count == 0 || decimals >= kFloatPowers.size()) return std::nullopt;
  const float value = static_cast<float>(digits) / kFloatPowers[decimals];
  return negative ? -value : value;
}

std::size_t WritePlainDecimal(float value, char* out) {
  const double magnitude = std::fabs(static_cast<double>(value));
  if (!(magnitude >= 1e-5 && magnitude < 1e7)) return 0;
  // Scale into [1e6, 1e7): a float times 10^j (j <= 11) needs at most 50
  // bits, so every product here is exact and the rounding below is the
  // only one, to nearest with ties to even.
  std::size_t j = 0;
  while (magnitude * kDoublePowers[j] < 1e6) ++j;
  double rounded = RoundToEven(magnitude * kDoublePowers[j]);
  int exponent = 6 - static_cast<int>(j);  // of the first digit
  if (rounded == 1e7) {
    rounded = 1e6;
    ++exponent;
  }
  if (exponent < -4 || exponent > 6) return 0;

  char digits[7];
  SevenDigits(static_cast<std::uint32_t>(rounded), digits);
  std::size_t last = 6;
  while (digits[last] == '0' && static_cast<int>(last) > exponent) --last;

  std::size_t n = 0;
  if (value < 0) out[n++] = '-';
  if (exponent < 0) {
    out[n++] = '0';
    out[n++] = '.';
    for (int z = -1; z > exponent; --z) out[n++] = '0';
  }
  for (std::size_t d = 0; d <= last; ++d) {
    out[n++] = digits[d];
    if (static_cast<int>(d) == exponent && d < last) out[n++] = '.';
  }
  return n;
}

}  // namespace grading
