// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include "grading/sieve_sheet.h"

namespace grading {

// The last stage of Calculate: from the six cumulative texts, the fineness
// modulus ((A2 + ... + A6) - 5 A1) / (100 - A1) into ms, and the sand class
// of that modulus into cx (empty when no class range holds it). Throws
// ArithmeticError, with ms and cx untouched, when a step fails.
void ComputeModulus(SieveSheet& sheet);

}  // namespace grading
