// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include "grading/sieve_sheet.h"

namespace grading {

enum class CalcOutcome { Done, Incomplete };

// The one command: the loss into ss, the partial percentages into sb*, the
// cumulative percentages into lsb*, then the modulus and class. Incomplete,
// with nothing written, when any of the six masses is the empty text. A
// CalcError ends the run at the failing step; what was written stays.
CalcOutcome Calculate(SieveSheet& sheet);

}  // namespace grading
