// Starts a program and measures it as a user meets it: the time from exec
// until its first top-level window is mapped on the X display, and its peak
// resident memory once it has had a moment to paint.
//   startup_probe PROGRAM   ->   "<milliseconds> <peak kB>"
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <thread>

int main(int argc, char* argv[]) {
  if (argc < 2) {
    std::fputs("usage: startup_probe PROGRAM [ARGS...]\n", stderr);
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
  XEvent event;
  do {
    XNextEvent(display, &event);
  } while (event.type != MapNotify);
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
