// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

struct IAccPropServices;

namespace window {

// What a screen reader calls each box, set through the platform's
// annotation service (oleacc). Without it Windows names an edit box after
// the label before it, and "4.75" alone would not tell the three rows apart.
// Where the service is missing the boxes keep those names; nothing fails.
// The same service carries the button's description, which tells the
// outcome of a press. COM and the service start at the first name: once
// the window is drawn, since they take longer to start than it takes to
// draw.
class AccessibleNames {
 public:
  AccessibleNames() = default;
  ~AccessibleNames();
  AccessibleNames(const AccessibleNames&) = delete;
  AccessibleNames& operator=(const AccessibleNames&) = delete;

  void Set(HWND control, std::string_view name);
  // Gives the control a new description and raises the event on which a
  // screen reader (NVDA) speaks a focused object's new description, once.
  // An empty text takes the description back, without an event.
  void Describe(HWND control, std::string_view text);
  // Takes every name and description back; the windows must still exist.
  void Clear();

 private:
  IAccPropServices* Services();

  bool started_ = false;
  bool com_ = false;  // this object initialised COM on the thread
  IAccPropServices* services_ = nullptr;
  std::vector<HWND> named_;
  std::vector<HWND> described_;
};

}  // namespace window
