// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace grading {

// The general conversions between decimal text and binary32, exact for any
// number of digits and any exponent, in the standard library's manner
// (from_chars and to_chars at seven digits) but with nothing from it that
// older compilers lack, so that every desk shows the same digits.

struct NearestFloat {
  bool too_large;  // beyond the largest finite float, once rounded
  float value;     // otherwise the nearest float, ties to even; tiny values round to zero
};

// The float nearest to ±integer.fraction × 10^exponent, where integer and
// fraction are runs of ASCII digits (either may be empty). The exponent is
// what the text says; any size is safe.
NearestFloat NearestFloatTo(std::string_view integer, std::string_view fraction,
                            std::int64_t exponent, bool negative);

// The value (finite, not zero) at seven significant digits, rounded to
// nearest with ties to even, as printf's %.7g writes it: no trailing zeros,
// plain from 1e-4 up to below 1e7 and otherwise d.dddddde±XX. Writes at
// most 15 characters to `out`; returns how many.
std::size_t WriteSevenDigits(float value, char* out);

}  // namespace grading
