// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "window/win32/dll_search.h"

#include <windows.h>

#include "window/win32/system_function.h"

namespace window {

void LoadDllsFromSystemOnly() {
  // Neither is declared by XP's headers, which the program is built with.
  using SetDllDirectoryFn = BOOL(WINAPI*)(LPCWSTR);
  using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
  constexpr DWORD kSystem32Only = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32
  if (auto set = SystemFunction<SetDllDirectoryFn>(L"kernel32.dll", "SetDllDirectoryW")) {
    set(L"");
  }
  if (auto set =
          SystemFunction<SetDefaultDllDirectoriesFn>(L"kernel32.dll", "SetDefaultDllDirectories")) {
    set(kSystem32Only);
  }
}

}  // namespace window
