// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT
// Any bytes as a field's text: ReadNumber returns a finite value or throws
// ConversionError, leaves the text alone, and what it returns shows a text
// that reads back (see read_back.h).
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "grading/sieve_sheet.h"
#include "tests/grading/read_back.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  grading::SieveSheet sheet;
  sheet.SetText(grading::Field::s475, text);
  float value = 0.0f;
  try {
    value = grading::ReadNumber(sheet, grading::Field::s475);
  } catch (const grading::ConversionError&) {
    if (sheet.Text(grading::Field::s475) != text) std::abort();
    return 0;
  }
  if (sheet.Text(grading::Field::s475) != text || !std::isfinite(value)) std::abort();
  if (!grading::ReadBackProblem(value).empty()) std::abort();
  return 0;
}
