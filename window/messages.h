#pragma once

#include <QString>

#include "grading/calc_error.h"

namespace window {

inline constexpr const char* kTitle = "Vellacor";

// The one message of the program's own, for an empty input.
QString IncompleteMessage();

// What went wrong, and where, in the words of the window's captions.
QString ErrorMessage(const grading::ConversionError& error);
QString ErrorMessage(const grading::ArithmeticError& error);

}  // namespace window
