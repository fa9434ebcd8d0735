#pragma once

#include <bit>
#include <cstdint>
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
// except just beside a power of ten, where the decimal digit below is finer
// than the one above: 1.0000001e-38 shows as 1e-38, which reads as the float
// one below, shown as 9.999999e-39. That float is then shown and read
// back unchanged.
inline std::string ReadBackProblem(float value) {
  const std::string text = FormatNumber(value);
  const ParsedNumber back = ParseNumber(text);
  if (back.status != ParseStatus::kOk) return "\"" + text + "\" does not read back";
  const std::string again = FormatNumber(back.value);
  if (again == text) return {};
  const auto bits = [](float f) {
    return static_cast<std::int64_t>(std::bit_cast<std::uint32_t>(f));
  };
  const std::int64_t apart = bits(value) - bits(back.value);
  if (!IsPowerOfTen(text) || (apart != 1 && apart != -1)) {
    return "\"" + text + "\" reads back as \"" + again + "\"";
  }
  const ParsedNumber third = ParseNumber(again);
  if (third.status != ParseStatus::kOk || FormatNumber(third.value) != again) {
    return "\"" + again + "\" is not stable";
  }
  return {};
}

}  // namespace grading
