// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <string_view>

namespace window {

// The text as a quoted JSON string: the quote, the backslash and the
// control characters escaped, everything else (UTF-8 included) as it is.
std::string JsonString(std::string_view text);

}  // namespace window
