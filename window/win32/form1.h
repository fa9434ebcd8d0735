// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "grading/sieve_sheet.h"
#include "window/control_table.h"
#include "window/press.h"
#include "window/win32/accessible_names.h"
#include "window/win32/scaling.h"

namespace window {

// Control ids: the table index above this. None is IDOK or IDCANCEL, which
// the dialog keys Enter and Esc send.
inline constexpr int kFirstControlId = 1000;
inline constexpr int ControlId(std::size_t index) {
  return kFirstControlId + static_cast<int>(index);
}

// The one window: the grading table built from kControls, each edit box
// bound to the sheet field of its name, and the button that calculates.
class Form1 {
 public:
  // Builds the window, hidden, and runs its load: every box empty.
  explicit Form1(HINSTANCE instance);
  ~Form1();
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // Whether the window exists (creating it can fail; closing ends it).
  bool IsOpen() const { return hwnd_ != nullptr; }
  // Shows the window with the focus in s475.
  void Show(int show_command);
  // Handles one message of the thread's queue: Ctrl+A and the dialog keys
  // (Tab, Shift+Tab, Enter, Esc) first, then the usual dispatch.
  void Dispatch(MSG& message);

  HWND Handle() const { return hwnd_; }
  HWND Box(grading::Field field) const { return boxes_[grading::Index(field)]; }
  HWND Command1() const { return command1_; }
  const grading::SieveSheet& Sheet() const { return sheet_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  void Build(std::size_t index);
  void Layout(UINT dpi);
  void Load();
  void Command(int id, int code, HWND control);
  void Command1Click();
  void Refresh(const PressResult& press);
  void ShowNotice(Notice notice, const std::string& text);
  bool SelectAll(const MSG& message);

  grading::SieveSheet sheet_;
  HWND hwnd_ = nullptr;
  std::array<HWND, kControls.size()> controls_{};  // in the order of kControls
  std::array<HWND, grading::kFieldCount> boxes_{};
  HWND command1_ = nullptr;
  HWND focus_ = nullptr;  // where the focus goes back when the window is activated
  HFONT font_ = nullptr;
  UINT dpi_ = kDefaultDpi;
  bool refreshing_ = false;  // the program, not the user, is setting box texts
  AccessibleNames names_;
};

// Runs the thread's message loop until the window is closed.
int RunMessageLoop(Form1& form);

}  // namespace window
