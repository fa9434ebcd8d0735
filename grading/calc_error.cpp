// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "grading/calc_error.h"

#include <string>

namespace grading {
namespace {

std::string Describe(ConversionProblem problem) {
  switch (problem) {
    case ConversionProblem::kNotANumber:
      return "not a number";
    case ConversionProblem::kForeignCharacter:
      return "not a number (foreign character)";
    case ConversionProblem::kOutOfRange:
      return "out of range";
  }
  return "not a number";
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
