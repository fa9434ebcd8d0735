// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "grading/calculate.h"

#include <algorithm>
#include <array>

#include "grading/checked_arithmetic.h"
#include "grading/modulus.h"
#include "grading/sieve_column.h"

namespace grading {
namespace {

constexpr float kSampleMass = 500.0f;
constexpr float kPercentDivisor = 5.0f;  // a mass over 5 is its percentage of 500

bool IsComplete(const SieveSheet& sheet) {
  return std::none_of(kSieveColumns.begin(), kSieveColumns.end(),
                      [&sheet](const SieveColumn& c) { return sheet.Text(c.mass).empty(); });
}

// Each mass is read just before it is subtracted, so a fault in an earlier
// subtraction is raised before a later text is looked at.
void WriteLoss(SieveSheet& sheet) {
  float loss = kSampleMass;
  for (const SieveColumn& column : kSieveColumns) {
    loss = CheckedSub(loss, ReadNumber(sheet, column.mass), Field::ss);
  }
  WriteNumber(sheet, Field::ss, loss);
}

void WritePartials(SieveSheet& sheet) {
  for (const SieveColumn& column : kSieveColumns) {
    float mass = ReadNumber(sheet, column.mass);
    WriteNumber(sheet, column.partial, CheckedDiv(mass, kPercentDivisor, column.partial));
  }
}

// Each cumulative percentage is summed afresh from column 1, from the
// partial texts as shown (read once: nothing in this stage changes them).
void WriteCumulatives(SieveSheet& sheet) {
  std::array<float, kSieveColumns.size()> partial{};
  for (std::size_t j = 0; j < kSieveColumns.size(); ++j) {
    partial[j] = ReadNumber(sheet, kSieveColumns[j].partial);
  }
  sheet.SetText(kSieveColumns[0].cumulative, sheet.Text(kSieveColumns[0].partial));
  for (std::size_t k = 1; k < kSieveColumns.size(); ++k) {
    const Field target = kSieveColumns[k].cumulative;
    float sum = partial[0];
    for (std::size_t j = 1; j <= k; ++j) sum = CheckedAdd(sum, partial[j], target);
    WriteNumber(sheet, target, sum);
  }
}

}  // namespace

CalcOutcome Calculate(SieveSheet& sheet) {
  if (!IsComplete(sheet)) return CalcOutcome::Incomplete;
  WriteLoss(sheet);
  WritePartials(sheet);
  WriteCumulatives(sheet);
  ComputeModulus(sheet);
  return CalcOutcome::Done;
}

}  // namespace grading
