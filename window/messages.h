// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string>

#include "grading/calc_error.h"
#include "grading/sieve_sheet.h"

namespace window {

// The title of the window and of every message it shows.
inline constexpr const char* kTitle = "Vellacor";
// The caption of a message's one button.
inline constexpr const char* kOkCaption = "确定";

// Where the calculation itself could not run (the page's module failed and
// was started again): nothing was computed, and the entries are kept.
inline constexpr const char* kCouldNotRunMessage =
    "这次计算没能进行，程序已重新启动。输入的筛余量都还在，请再按一次“计算”。";

// The one message of the program's own, for an empty input.
std::string IncompleteMessage();

// What a screen reader says once a press has filled the table: the
// modulus and the class text as the boxes show them, or that no class
// range holds the modulus.
std::string OutcomeAnnouncement(const grading::SieveSheet& sheet);

// What went wrong, and where, in the words of the window's captions.
std::string ErrorMessage(const grading::ConversionError& error);
std::string ErrorMessage(const grading::ArithmeticError& error);

}  // namespace window
