// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>

#include "window/qt/app_setup.h"
#include "window/qt/form1.h"

namespace {

// Without a display Qt aborts with a long message; one line says more.
bool HasDisplay() {
#if defined(Q_OS_LINUX)
  return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || std::getenv("QT_QPA_PLATFORM");
#else
  return true;
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!HasDisplay()) {
    std::fputs("vellacor: no display to show the window on (try: xvfb-run vellacor)\n", stderr);
    return 1;
  }
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
  // As Qt 6 always does: the window's pixels, text and layout alike, scaled
  // by the screen's dpi over 96. Qt 5 rounds the factor to a whole one, as
  // it often guesses the dpi from the X server (Xvfb's is 100).
  QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
#endif
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vellacor"));
  QApplication::setApplicationVersion(QStringLiteral(VELLACOR_VERSION));
  // So that desktops match the window to its menu entry and software-centre
  // listing, which carry this id.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.vellacor.Vellacor"));
  window::LoadQtTranslations(app);
  window::InstallAccessibleRoles();
  QApplication::setFont(window::DialogFont());
  QApplication::setWindowIcon(window::AppIcon());
  window::Form1 form;
  form.show();
  return QApplication::exec();
}
