#pragma once

#include <cfloat>

#include "grading/field.h"

// The digits on screen are those of binary32 arithmetic: a platform that
// evaluates float expressions in a wider type would show different ones.
static_assert(FLT_EVAL_METHOD == 0, "float expressions must be evaluated in float");

namespace grading {

// One single-precision step each, rounded to binary32 and tested at once:
// an overflow, a division by zero or an invalid operation throws
// ArithmeticError naming the field being computed. Underflow is no fault.
float CheckedAdd(float a, float b, Field computing);
float CheckedSub(float a, float b, Field computing);
float CheckedMul(float a, float b, Field computing);
float CheckedDiv(float a, float b, Field computing);

}  // namespace grading
