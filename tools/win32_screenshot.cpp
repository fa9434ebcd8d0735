// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT
// Saves a picture of the Windows window after the worked example, frame and
// title bar included, as a 24-bit BMP (scripts/screenshot-windows.sh makes
// the README's PNG of it under Wine):
//   win32_screenshot.exe C:\path\to\shot.bmp
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <array>
#include <cstdio>
#include <vector>

#include "grading/sieve_column.h"
#include "window/win32/form1.h"

namespace {

// Handles the window's messages for a while, so that it is fully painted.
void Settle(window::Form1& form, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < milliseconds) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) form.Dispatch(message);
    Sleep(10);
  }
}

bool SaveBmp(const wchar_t* path, const RECT& area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  SelectObject(memory, old);

  BITMAPINFOHEADER info = {};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;  // bottom-up, as BMP files are
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  const std::size_t row = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
  std::vector<BYTE> pixels(row * static_cast<std::size_t>(height));
  GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
            reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);

  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
  FILE* out = _wfopen(path, L"wb");
  if (!out) return false;
  const bool written = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                       std::fwrite(&info, sizeof info, 1, out) == 1 &&
                       std::fwrite(pixels.data(), pixels.size(), 1, out) == 1;
  return std::fclose(out) == 0 && written;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fputs("usage: win32_screenshot FILE.bmp\n", stderr);
    return 2;
  }
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  window::Form1 form(GetModuleHandleW(nullptr));
  if (!form.IsOpen()) return 1;
  form.Show(SW_SHOWNORMAL);
  const std::array<const wchar_t*, 6> masses = {L"20", L"80", L"100", L"100", L"75", L"85"};
  for (std::size_t i = 0; i < masses.size(); ++i) {
    SetWindowTextW(form.Box(grading::kSieveColumns[i].mass), masses[i]);
  }
  SendMessageW(form.Command1(), BM_CLICK, 0, 0);
  SetFocus(form.Box(grading::Field::s475));
  Settle(form, 500);
  RECT area;
  GetWindowRect(form.Handle(), &area);
  if (!SaveBmp(argv[1], area)) {
    std::fputs("win32_screenshot: cannot write the picture\n", stderr);
    return 1;
  }
  return 0;
}
