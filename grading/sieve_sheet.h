// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <string>
#include <utility>

#include "grading/calc_error.h"
#include "grading/field.h"

namespace grading {

// The whole state of the program: one text per field, shown in the window's
// box of the same name. Texts are UTF-8 of any length.
class SieveSheet {
 public:
  const std::string& Text(Field field) const { return texts_[Index(field)]; }
  void SetText(Field field, std::string text) { texts_[Index(field)] = std::move(text); }
  // Empties every field, in the order of Field.
  void Reset();

 private:
  std::array<std::string, kFieldCount> texts_;
};

// The field's text as a single-precision number; throws ConversionError when
// it is not a number or out of range. The text itself is left as it is.
float ReadNumber(const SieveSheet& sheet, Field field);

// Sets the field's text to the display form of the value.
void WriteNumber(SieveSheet& sheet, Field field, float value);

}  // namespace grading
