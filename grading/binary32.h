// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

// Forced into every source of the library by its CMakeLists.txt. The digits
// on screen are those of binary32 arithmetic: a target that evaluates float
// expressions in a wider type (the x87 unit of 32-bit x86) would show other
// ones, in parsing and display as much as in the calculation.
#include <cfloat>

#if defined(_MSC_VER) && defined(_M_IX86) && _M_IX86_FP < 2
#error "build the grading library with SSE2 (/arch:SSE2): x87 arithmetic is wider than float"
#elif defined(FLT_EVAL_METHOD)
static_assert(FLT_EVAL_METHOD == 0, "float expressions must be evaluated in float");
#endif
