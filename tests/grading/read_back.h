// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string>

#include "grading/number_text.h"

namespace grading {

// Whether a display text is a power of ten ("1e-38", "1000", "0.001").
inline bool IsPowerOfTen(const std::string& text) {
  int ones = 0;
  for (char c : text) {
    if (c == 'e') break;
    if (c == '1')
      ++ones;
    else if (c != '0' && c != '.' && c != '-')
      return false;
  }
  return ones == 1;
}

// What is wrong with reading back the display of a finite value, or an
// empty text when nothing is. The value read back shows the same text,
// except just above 1e-38 and 1e+28 (16 floats in all, by the exhaustive
// check), where the decimal digit below the power of ten is finer than a
// float step and the one above is coarser: 1.0000001e-38 shows as 1e-38,
// which reads as the float nearest 1e-38, below it, shown as 9.999999e-39.
// That float then shows and reads back unchanged.
inline std::string ReadBackProblem(float value) {
  const std::string text = FormatNumber(value);
  const ParsedNumber back = ParseNumber(text);
  if (back.status != ParseStatus::kOk) return "\"" + text + "\" does not read back";
  const std::string again = FormatNumber(back.value);
  if (again == text) return {};
  if (!IsPowerOfTen(text)) return "\"" + text + "\" reads back as \"" + again + "\"";
  const ParsedNumber third = ParseNumber(again);
  if (third.status != ParseStatus::kOk || FormatNumber(third.value) != again) {
    return "\"" + again + "\" is not stable";
  }
  return {};
}

}  // namespace grading
