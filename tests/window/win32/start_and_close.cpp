// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT
// Starts a program, waits until its window "Vellacor" is shown, closes it
// as a user would, and answers with the program's exit code: 0 when it
// showed its window and ended at once, not 0 otherwise.
//   start_and_close.exe C:\path\to\vellacor.exe
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct Search {
  DWORD process;
  HWND found;
};

// A named CALLBACK, not a lambda: a lambda converts to the default calling
// convention, which on 32-bit Windows is not the one EnumWindows calls.
BOOL CALLBACK MatchShownWindow(HWND hwnd, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  wchar_t title[32] = {};
  GetWindowTextW(hwnd, title, 32);
  if (owner != search->process || !IsWindowVisible(hwnd) || std::wstring(title) != L"Vellacor")
    return TRUE;
  search->found = hwnd;
  return FALSE;
}

HWND FindShownWindow(DWORD process) {
  Search search = {process, nullptr};
  EnumWindows(MatchShownWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(argv[1], nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    std::fprintf(stderr, "start_and_close: cannot start the program (%lu)\n", GetLastError());
    return 3;
  }
  HWND form = nullptr;
  for (int tries = 0; !form && tries < 300; ++tries) {
    Sleep(100);
    form = FindShownWindow(process.dwProcessId);
  }
  int result = 4;
  if (!form) {
    std::fputs("start_and_close: no window \"Vellacor\" within 30 s\n", stderr);
  } else {
    PostMessageW(form, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 5000) == WAIT_OBJECT_0) {
      DWORD code = 0;
      GetExitCodeProcess(process.hProcess, &code);
      result = static_cast<int>(code);
    } else {
      std::fputs("start_and_close: still running 5 s after its window was closed\n", stderr);
    }
  }
  if (result != 0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return result;
}
