// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT
// Starts a program, waits until its window "Vellacor" is shown, closes it
// as a user would, and answers with the program's exit code: 0 when it
// showed its window and ended at once, not 0 otherwise. With --worked, it
// first types the worked example into the window, presses its button and
// fails unless the boxes show the example's results.
//   start_and_close.exe C:\path\to\vellacor.exe [--worked]
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/window/scenarios.h"
#include "window/win32/form1.h"
#include "window/win32/wide_text.h"

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

HWND Box(HWND form, const std::string& name) {
  for (std::size_t i = 0; i < window::kControls.size(); ++i) {
    if (window::kControls[i].name == name) return GetDlgItem(form, window::ControlId(i));
  }
  return nullptr;
}

// The worked example typed and pressed, as a user does it: whether the
// result boxes then show the example's results.
bool ComputesTheWorkedExample(HWND form) {
  const scenarios::Scenario* row = scenarios::kScenarios;
  while (std::string(row->name) != "Worked") ++row;
  const scenarios::Scenario& worked = *row;
  const std::vector<std::string> boxes = scenarios::Words(scenarios::kMassBoxes);
  const std::vector<std::string> masses = scenarios::Words(worked.masses);
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    // Messages, not SetWindowText, which leaves another program's boxes alone.
    SendMessageW(Box(form, boxes[i]), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(window::Widen(masses[i]).c_str()));
  }
  // The button's own notification of a click: Wine's BM_CLICK from another
  // process clicks nothing.
  const HWND button = Box(form, "Command1");
  SendMessageW(form, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
  bool same = true;
  const std::vector<std::string> results = scenarios::Words(scenarios::kResultBoxes);
  for (std::size_t i = 0; i < results.size(); ++i) {
    wchar_t text[256] = {};
    SendMessageW(Box(form, results[i]), WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    const std::string shown = window::Narrow(text);
    same = same && shown == scenarios::Shown(worked)[i];
    std::printf("%s %s\n", results[i].c_str(), shown.c_str());
  }
  return same;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const bool worked = argc == 3 && std::wstring(argv[2]) == L"--worked";
  if (argc != 2 && !worked) return 2;
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
  } else if (worked && !ComputesTheWorkedExample(form)) {
    std::fputs("start_and_close: the window did not show the worked example's results\n", stderr);
    result = 5;
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
