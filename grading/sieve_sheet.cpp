// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "grading/sieve_sheet.h"

#include "grading/number_text.h"

namespace grading {

void SieveSheet::Reset() {
  for (Field field : kAllFields) texts_[Index(field)].clear();
}

float ReadNumber(const SieveSheet& sheet, Field field) {
  ParsedNumber parsed = ParseNumber(sheet.Text(field));
  switch (parsed.status) {
    case ParseStatus::kOk:
      return parsed.value;
    case ParseStatus::kOutOfRange:
      throw ConversionError(field, ConversionProblem::kOutOfRange);
    case ParseStatus::kForeignCharacter:
      throw ConversionError(field, ConversionProblem::kForeignCharacter);
    case ParseStatus::kNotANumber:
      break;
  }
  throw ConversionError(field, ConversionProblem::kNotANumber);
}

void WriteNumber(SieveSheet& sheet, Field field, float value) {
  sheet.SetText(field, FormatNumber(value));
}

}  // namespace grading
