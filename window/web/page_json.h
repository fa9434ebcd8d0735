// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string>

#include "grading/sieve_sheet.h"
#include "window/press.h"

namespace window {

// What the page builds, as JSON: the title, the OK caption, the message for
// a calculation that could not run, the window's faces, the box that has
// the focus first, the client area and each control of the table in
// its order, in CSS pixels, with its narrow place.
std::string FormJson();

// What the page does after a press, as JSON: the new texts of the changed
// boxes, the boxes to show from their beginning, the message and its kind,
// the box to select, and the announcement.
std::string PressJson(const PressResult& press, const grading::SieveSheet& sheet);

}  // namespace window
