// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace window {

// The sheet holds UTF-8 and the Windows API takes UTF-16: the two meet only
// here. Ill-formed input becomes U+FFFD rather than being lost silently.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// The whole text of a control, of any length, as UTF-8; and back.
std::string WindowTextUtf8(HWND control);
void SetWindowTextUtf8(HWND control, std::string_view utf8);

}  // namespace window
