// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include <bitset>
#include <optional>
#include <string>

#include "grading/sieve_sheet.h"

namespace window {

// The message a press may end with: none, the incompleteness message (no
// icon), or the report of a calculation error (a warning).
enum class Notice { kNone, kIncomplete, kWarning };

// What a press of Command1 leads to, for any window to carry out in this
// order: show the changed fields in their boxes, bring every result box
// back to its text's beginning, hand the announcement to the screen
// reader, show the message, then put the focus in the box to correct with
// its whole text selected.
struct PressResult {
  std::bitset<grading::kFieldCount> changed;  // by grading::Index
  // The boxes to show from their first character, whether or not their text
  // changed: every result, after every press. Tabbing through a box selects
  // its text and scrolls it to the end, where 粗细程度 would show "—0．35mm"
  // rather than the sand's name.
  std::bitset<grading::kFieldCount> from_start;
  Notice notice = Notice::kNone;
  std::string message;                   // UTF-8; empty with Notice::kNone
  std::optional<grading::Field> select;  // the entry that is not a number
  // UTF-8: what a screen reader hears, once, after a press that filled the
  // table; empty when the press ends with a message, which speaks itself.
  std::string announcement;

  bool Changed(grading::Field field) const { return changed[grading::Index(field)]; }
  bool FromStart(grading::Field field) const { return from_start[grading::Index(field)]; }
};

// Runs Calculate on the sheet. A calculation error arrives here and becomes
// a warning; the fields keep what was written before it.
PressResult PressCommand1(grading::SieveSheet& sheet);

}  // namespace window
