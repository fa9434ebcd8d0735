// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "grading/calc_error.h"

#include <string>

namespace grading {
namespace {

std::string Describe(ConversionProblem problem) {
  return problem == ConversionProblem::kNotANumber ? "not a number" : "out of range";
}

std::string Describe(ArithmeticFault fault) {
  switch (fault) {
    case ArithmeticFault::kOverflow:
      return "overflow";
    case ArithmeticFault::kDivisionByZero:
      return "division by zero";
    case ArithmeticFault::kInvalid:
      return "invalid operation";
  }
  return "arithmetic fault";
}

}  // namespace

ConversionError::ConversionError(Field field, ConversionProblem problem)
    : CalcError(std::string(FieldName(field)) + ": " + Describe(problem), field),
      problem_(problem) {}

ArithmeticError::ArithmeticError(Field field, ArithmeticFault fault)
    : CalcError(std::string(FieldName(field)) + ": " + Describe(fault), field), fault_(fault) {}

}  // namespace grading
