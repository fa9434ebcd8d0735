// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT
// The floor for the Windows start-up figures: a bare Win32 window with
// Form1's 49 controls built from the same table, and nothing else (no
// manifest, font, icon, screen-reader names or sheet). Built a second time
// with the program's manifest and a third with its font as well, to tell
// what each costs from what the program itself does.
#include <windows.h>

#include <string>

#include "window/control_table.h"
#ifdef VELLACOR_FLOOR_FONT
#include "window/win32/scaling.h"
#endif

namespace {

std::wstring Wide(std::string_view utf8) {
  std::wstring wide(utf8.size(), L'\0');
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                         wide.data(), static_cast<int>(wide.size()));
  wide.resize(static_cast<std::size_t>(length));
  return wide;
}

LRESULT CALLBACK FloorProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
  WNDCLASSW floor_class = {};
  floor_class.lpfnWndProc = FloorProc;
  floor_class.hInstance = instance;
  floor_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  floor_class.lpszClassName = L"Floor";
  RegisterClassW(&floor_class);
  constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT rect = {0, 0, window::kClientWidth / window::kTwipsPerPixel,
               window::kClientHeight / window::kTwipsPerPixel};
  AdjustWindowRect(&rect, kStyle, FALSE);
  HWND form = CreateWindowW(L"Floor", L"Floor", kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                            rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr,
                            instance, nullptr);
  for (const window::ControlSpec& spec : window::kControls) {
    const wchar_t* name = spec.kind == window::kTextBox  ? L"EDIT"
                          : spec.kind == window::kButton ? L"BUTTON"
                                                         : L"STATIC";
    const int height = spec.kind == window::kLine ? 1 : spec.height / window::kTwipsPerPixel;
    [[maybe_unused]] HWND control = CreateWindowExW(
        spec.kind == window::kTextBox ? WS_EX_CLIENTEDGE : 0, name, Wide(spec.caption).c_str(),
        WS_CHILD | WS_VISIBLE, spec.left / window::kTwipsPerPixel,
        spec.top / window::kTwipsPerPixel, spec.width / window::kTwipsPerPixel, height, form,
        nullptr, instance, nullptr);
#ifdef VELLACOR_FLOOR_FONT
    static const HFONT font = window::CreateDialogFont(window::kDefaultDpi);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
#endif
  }
  ShowWindow(form, show_command);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
