// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "window/press.h"

#include "grading/calculate.h"
#include "window/masses.h"
#include "window/messages.h"

namespace window {
namespace {

PressResult Run(grading::SieveSheet& sheet) {
  try {
    if (grading::Calculate(sheet) == grading::CalcOutcome::Incomplete) {
      return {{}, {}, Notice::kIncomplete, IncompleteMessage(), std::nullopt, {}};
    }
    return {{}, {}, Notice::kNone, {}, std::nullopt, OutcomeAnnouncement(sheet)};
  } catch (const grading::ConversionError& error) {
    return {{}, {}, Notice::kWarning, ErrorMessage(error), error.field(), {}};
  } catch (const grading::ArithmeticError& error) {
    return {{}, {}, Notice::kWarning, ErrorMessage(error), std::nullopt, {}};
  }
}

// Every field but the six masses the user types: the program writes them.
std::bitset<grading::kFieldCount> Results() {
  std::bitset<grading::kFieldCount> results;
  for (grading::Field field : grading::kAllFields) results[grading::Index(field)] = !IsMass(field);
  return results;
}

}  // namespace

PressResult PressCommand1(grading::SieveSheet& sheet) {
  const grading::SieveSheet before = sheet;
  PressResult result = Run(sheet);
  for (grading::Field field : grading::kAllFields) {
    result.changed[grading::Index(field)] = sheet.Text(field) != before.Text(field);
  }
  result.from_start = Results();
  return result;
}

}  // namespace window
