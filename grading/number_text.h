// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <string_view>

namespace grading {

// kForeignCharacter: not a number, and it holds a comma or a character
// beyond ASCII that no number here has ("12,5", "1，5", "１ａ２").
enum class ParseStatus { kOk, kNotANumber, kForeignCharacter, kOutOfRange };

struct ParsedNumber {
  ParseStatus status;
  float value;  // meaningful only when status is kOk; always finite then
};

// Reads a decimal number to the nearest single-precision value:
//   [blanks] [+|-] digits-with-at-most-one-point [(E|e) [+|-] digits] [blanks]
// Blanks are space, tab, carriage return, line feed, the no-break space and
// the ideographic space; fullwidth digits, point, signs and E read as their
// ASCII forms, and the ideographic full stop 。 as the point, as a Chinese
// input method types them.
// A value too small for single precision reads as (signed) zero; one beyond
// the largest finite single is out of range. Locale plays no part.
ParsedNumber ParseNumber(std::string_view text);

// The display form: at most seven significant digits, no trailing zeros,
// plain from 1e-4 up to below 1e7 and exponent form outside, zero as "0".
std::string FormatNumber(float value);

}  // namespace grading
