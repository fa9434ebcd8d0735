// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "grading/modulus.h"

#include <string>

#include "grading/checked_arithmetic.h"
#include "grading/sand_class.h"
#include "grading/sieve_column.h"

namespace grading {

void ComputeModulus(SieveSheet& sheet) {
  constexpr Field kAt = Field::ms;
  auto cumulative = [&sheet](std::size_t column) {
    return ReadNumber(sheet, kSieveColumns[column].cumulative);
  };
  float a1 = cumulative(0);
  float sum = cumulative(1);
  for (std::size_t column = 2; column < kSieveColumns.size(); ++column) {
    sum = CheckedAdd(sum, cumulative(column), kAt);
  }
  float product = CheckedMul(a1, 5.0f, kAt);
  sum = CheckedSub(sum, product, kAt);
  float divisor = CheckedSub(100.0f, a1, kAt);
  float modulus = CheckedDiv(sum, divisor, kAt);

  WriteNumber(sheet, Field::ms, modulus);
  // An empty class beside a modulus outside every range, never a stale one.
  sheet.SetText(Field::cx, std::string(ClassOf(modulus).value_or("")));
}

}  // namespace grading
