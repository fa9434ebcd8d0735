// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include <stdexcept>
#include <string>

#include "grading/field.h"

namespace grading {

// Ends a run of Calculate at the failing step; the window reports it.
class CalcError : public std::runtime_error {
 public:
  CalcError(const std::string& what, Field field) : std::runtime_error(what), field_(field) {}
  // The field whose text failed to read, or whose value failed to compute.
  Field field() const { return field_; }

 private:
  Field field_;
};

// kForeignCharacter: not a number, with a comma or a character beyond ASCII
// in it, which a number in this program never has.
enum class ConversionProblem { kNotANumber, kForeignCharacter, kOutOfRange };

// A field's text is not a number, or its value lies beyond single precision.
class ConversionError : public CalcError {
 public:
  ConversionError(Field field, ConversionProblem problem);
  ConversionProblem problem() const { return problem_; }

 private:
  ConversionProblem problem_;
};

enum class ArithmeticFault { kOverflow, kDivisionByZero, kInvalid };

// A single-precision step overflowed, divided by zero or was invalid.
class ArithmeticError : public CalcError {
 public:
  ArithmeticError(Field field, ArithmeticFault fault);
  ArithmeticFault fault() const { return fault_; }

 private:
  ArithmeticFault fault_;
};

}  // namespace grading
