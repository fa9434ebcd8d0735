// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT
// Saves a picture of the window after the worked example, for the README:
//   build/tools/screenshot docs/screenshot.png
// It fills the window offscreen, as a user would, and grabs it.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <cstdio>

#include "grading/sieve_column.h"
#include "window/qt/app_setup.h"
#include "window/qt/form1.h"

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fputs("usage: screenshot FILE.png\n", stderr);
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  window::LoadQtTranslations(app);
  window::InstallAccessibleRoles();
  QApplication::setFont(window::DialogFont());
  window::Form1 form;
  form.show();
  QApplication::processEvents();  // the window's start-up work after showing
  const char* masses[] = {"20", "80", "100", "100", "75", "85"};
  for (std::size_t i = 0; i < grading::kSieveColumns.size(); ++i) {
    form.Box(grading::kSieveColumns[i].mass)->setText(QString::fromLatin1(masses[i]));
  }
  form.Command1()->click();
  if (!form.grab().save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "screenshot: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
