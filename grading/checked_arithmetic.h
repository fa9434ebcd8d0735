// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include "grading/field.h"

namespace grading {

// One single-precision step each, rounded to binary32 and tested at once:
// an overflow, a division by zero or an invalid operation throws
// ArithmeticError naming the field being computed. Underflow is no fault.
float CheckedAdd(float a, float b, Field computing);
float CheckedSub(float a, float b, Field computing);
float CheckedMul(float a, float b, Field computing);
float CheckedDiv(float a, float b, Field computing);

}  // namespace grading
