// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <string_view>

#include "grading/sieve_sheet.h"
#include "window/press.h"

namespace window {

// The text as a quoted JSON string: the quote, the backslash and the
// control characters escaped, everything else (UTF-8 included) as it is.
std::string JsonString(std::string_view text);

// What the page does after a press, as JSON: the new texts of the changed
// boxes, the boxes to show from their beginning, the message and its kind,
// the box to select, and the announcement.
std::string PressJson(const PressResult& press, const grading::SieveSheet& sheet);

}  // namespace window
