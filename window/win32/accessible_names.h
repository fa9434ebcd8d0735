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
class AccessibleNames {
 public:
  AccessibleNames();
  ~AccessibleNames();
  AccessibleNames(const AccessibleNames&) = delete;
  AccessibleNames& operator=(const AccessibleNames&) = delete;

  void Set(HWND control, std::string_view name);
  // Takes every name back; the windows named must still exist.
  void Clear();

 private:
  bool com_ = false;  // this object initialised COM on the thread
  IAccPropServices* services_ = nullptr;
  std::vector<HWND> named_;
};

}  // namespace window
