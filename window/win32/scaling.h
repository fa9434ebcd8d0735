// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

#include "window/control_table.h"

namespace window {

// Declared by the headers of Windows 8.1 and later only; the window is
// compiled against XP's. XP and 7 never send the message.
inline constexpr UINT kDefaultDpi = 96;        // USER_DEFAULT_SCREEN_DPI
inline constexpr UINT kWmDpiChanged = 0x02E0;  // WM_DPICHANGED: the monitor's dpi changed

// The window's own dots per inch: its monitor's on Windows 10 (1607) and
// later, the screen's before. Looked up at run time, so that the program
// still starts on Windows 7.
UINT WindowDpi(HWND window);

// Twips (1/1440 inch) as pixels at `dpi`, rounded: 15 twips to the pixel at
// 96 dpi. A line is a one-pixel rule at 96 dpi, thicker in proportion.
int Scale(int twips, UINT dpi);
RECT ControlRect(const ControlSpec& spec, UINT dpi);

// The outer size of a window with that style whose client area is the
// table's at `dpi`.
SIZE WindowSize(DWORD style, DWORD ex_style, UINT dpi);

// The Simplified Chinese dialog face, SimSun, at 9 points for `dpi`: the
// face the layout was drawn for, whose line fits the 17 to 19 px boxes.
HFONT CreateDialogFont(UINT dpi);

}  // namespace window
