// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "grading/checked_arithmetic.h"

#include <cmath>

#include "grading/calc_error.h"

namespace grading {
namespace {

// Operands are always finite here (ReadNumber and every earlier step make
// sure of it), so an infinite result is an overflow and NaN is invalid.
float Check(float result, Field computing) {
  if (std::isnan(result)) throw ArithmeticError(computing, ArithmeticFault::kInvalid);
  if (std::isinf(result)) throw ArithmeticError(computing, ArithmeticFault::kOverflow);
  return result;
}

}  // namespace

float CheckedAdd(float a, float b, Field computing) { return Check(a + b, computing); }

float CheckedSub(float a, float b, Field computing) { return Check(a - b, computing); }

float CheckedMul(float a, float b, Field computing) { return Check(a * b, computing); }

float CheckedDiv(float a, float b, Field computing) {
  if (b == 0.0f) {
    throw ArithmeticError(computing,
                          a == 0.0f ? ArithmeticFault::kInvalid : ArithmeticFault::kDivisionByZero);
  }
  return Check(a / b, computing);
}

}  // namespace grading
