// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include "grading/sieve_column.h"
#include "grading/sieve_sheet.h"

// The sample every calculation figure is taken on: masses 12.3 ... 99.9,
// whose loss shows single-precision rounding (40.00001).
inline grading::SieveSheet SampleSheet() {
  grading::SieveSheet sheet;
  const char* masses[] = {"12.3", "45.6", "78.9", "101.1", "122.2", "99.9"};
  for (std::size_t i = 0; i < grading::kSieveColumns.size(); ++i) {
    sheet.SetText(grading::kSieveColumns[i].mass, masses[i]);
  }
  return sheet;
}
