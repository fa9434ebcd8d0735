// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include "grading/field.h"
#include "grading/sieve_column.h"

namespace window {

// The six masses the user types, one a sieve; every other field the
// program writes.
constexpr bool IsMass(grading::Field field) {
  for (const grading::SieveColumn& column : grading::kSieveColumns) {
    if (field == column.mass) return true;
  }
  return false;
}

}  // namespace window
