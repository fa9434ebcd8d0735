// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace grading {

// Exact shortcuts for the texts and values a sieve analysis actually has.
// Each answers only when its answer is the correctly rounded one, and
// leaves every other case to the general conversions.

// A plain decimal of at most 2^24 in its digits and at most ten decimals,
// without blanks or exponent ("101.1", "-2.46"): the nearest float, since
// digits and power of ten are exact floats and one division rounds once.
std::optional<float> ReadShortDecimal(std::string_view text);

// The seven-digit display of a value whose rounded magnitude lies from 1e-4
// up to below 1e7, written to `out` (room for 16 characters); returns its
// length, or 0 for any other value.
std::size_t WritePlainDecimal(float value, char* out);

}  // namespace grading
