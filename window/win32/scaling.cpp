// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "window/win32/scaling.h"

#include <algorithm>

#include "window/control_geometry.h"
#include "window/fonts.h"
#include "window/win32/system_function.h"
#include "window/win32/wide_text.h"

namespace window {
namespace {

constexpr int kTwipsPerInch = 1440;

// A user32 function that older Windows lack, or nullptr there.
template <typename Function>
Function User32(const char* name) {
  return SystemFunction<Function>(L"user32.dll", name);
}

}  // namespace

UINT WindowDpi(HWND window) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  if (auto get = User32<GetDpiForWindowFn>("GetDpiForWindow")) {
    if (const UINT dpi = get(window)) return dpi;
  }
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : kDefaultDpi;
}

int Scale(int twips, UINT dpi) { return MulDiv(twips, static_cast<int>(dpi), kTwipsPerInch); }

RECT ControlRect(const ControlSpec& spec, UINT dpi) {
  const int left = Scale(spec.left, dpi);
  const int top = Scale(spec.top, dpi);
  // A line stays at least one pixel thick at any dpi.
  const int height = std::max(1, Scale(DrawnHeight(spec), dpi));
  return {left, top, left + Scale(spec.width, dpi), top + height};
}

SIZE WindowSize(DWORD style, DWORD ex_style, UINT dpi) {
  RECT rect = {0, 0, Scale(kClientWidth, dpi), Scale(kClientHeight, dpi)};
  using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  if (auto adjust = User32<AdjustForDpiFn>("AdjustWindowRectExForDpi")) {
    adjust(&rect, style, FALSE, ex_style, dpi);
  } else {
    AdjustWindowRectEx(&rect, style, FALSE, ex_style);
  }
  return {rect.right - rect.left, rect.bottom - rect.top};
}

HFONT CreateDialogFont(UINT dpi) {
  return CreateFontW(-MulDiv(kFontPoints, static_cast<int>(dpi), 72), 0, 0, 0, FW_NORMAL, FALSE,
                     FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                     DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, Widen(kWindowsFace).c_str());
}

}  // namespace window
