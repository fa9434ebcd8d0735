// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT
// Starts a program and measures it as a user meets it: the time from exec
// until its first top-level window (or the first of that title) is mapped
// on the X display, and its peak resident memory once it has had a moment
// to paint. A title matters under Wine, which maps helper windows too.
//   startup_probe [-t TITLE] PROGRAM [ARGS...]   ->   "<milliseconds> <peak kB>"
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

namespace {

// Whether the mapped window is the one waited for.
bool IsWanted(Display* display, Window window, const char* title) {
  if (!title) return true;
  char* name = nullptr;
  const bool same = XFetchName(display, window, &name) && std::strcmp(name, title) == 0;
  if (name) XFree(name);
  return same;
}

}  // namespace

int main(int argc, char* argv[]) {
  const char* title = nullptr;
  if (argc > 2 && std::strcmp(argv[1], "-t") == 0) {
    title = argv[2];
    argv += 2;
    argc -= 2;
  }
  if (argc < 2) {
    std::fputs("usage: startup_probe [-t TITLE] PROGRAM [ARGS...]\n", stderr);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fputs("startup_probe: no X display\n", stderr);
    return 2;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);

  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execv(argv[1], argv + 1);
    _exit(127);
  }
  // Waits for the window, or for the program to end without one.
  XEvent event;
  pollfd connection = {ConnectionNumber(display), POLLIN, 0};
  for (;;) {
    if (XPending(display)) {
      XNextEvent(display, &event);
      if (event.type == MapNotify && IsWanted(display, event.xmap.window, title)) break;
      continue;
    }
    int status = 0;
    if (waitpid(child, &status, WNOHANG) == child) {
      std::fprintf(stderr, "startup_probe: %s ended without showing its window\n", argv[1]);
      return 1;
    }
    poll(&connection, 1, 10);
  }
  const auto mapped = std::chrono::steady_clock::now();

  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  kill(child, SIGTERM);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  XCloseDisplay(display);

  const double ms = std::chrono::duration<double, std::milli>(mapped - start).count();
  std::printf("%.1f %ld\n", ms, usage.ru_maxrss);
  return 0;
}
