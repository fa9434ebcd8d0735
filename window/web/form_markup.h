// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <string_view>

namespace window {

// The window's grey, behind the page and in the colours of the installed app.
inline constexpr std::string_view kWindowColour = "#f0f0f0";

// Form1 as HTML, written into the page when it is built so that the form
// shows and takes typing before the module has started: every control of
// the table in its order, each box with its name for a screen reader, the
// masses with the keypad's point, the first box with the focus.
std::string FormMarkup();

// Each control's place, as the style sheet's custom properties: its twip
// place in CSS pixels and its cell of the narrow layout; and the page's
// faces and colour.
std::string FormPlaces();

// The text with &, <, > and " as HTML's references, for an element's
// content or a quoted attribute.
std::string HtmlText(std::string_view text);

}  // namespace window
