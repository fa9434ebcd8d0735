// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "window/win32/dll_search.h"
#include "window/win32/form1.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
  window::LoadDllsFromSystemOnly();
  // The standard controls in the visual style the manifest asks for.
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  window::Form1 form(instance);
  if (!form.IsOpen()) return 1;
  form.Show(show_command);
  return window::RunMessageLoop(form);
}
