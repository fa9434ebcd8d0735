// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

// GoogleTest's Notification for the Windows toolchain (the win32 thread
// model, which lacks the std::mutex and std::condition_variable of
// GoogleTest's own): a Windows event. Forced into GoogleTest and every test
// built with it, with GTEST_HAS_NOTIFICATION_ (CMakeLists.txt).
#ifndef NOMINMAX
#define NOMINMAX 1
#endif
#include <windows.h>

namespace testing::internal {

class Notification {
 public:
  Notification() : event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
  ~Notification() { CloseHandle(event_); }
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;

  void Notify() { SetEvent(event_); }
  void WaitForNotification() { WaitForSingleObject(event_, INFINITE); }

 private:
  HANDLE event_;
};

}  // namespace testing::internal
