// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT
// The floor for the start-up figures: a bare Qt window with Form1's controls
// built from the same table, and nothing else (no sheet, no translations, no
// font choice, no icon).
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "window/control_table.h"
#include "window/qt/qt_text.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget form;
  form.setWindowTitle(QStringLiteral("Floor"));
  form.setFixedSize(window::kClientWidth / window::kTwipsPerPixel,
                    window::kClientHeight / window::kTwipsPerPixel);
  for (const window::ControlSpec& spec : window::kControls) {
    QWidget* widget = nullptr;
    switch (spec.kind) {
      case window::kLabel:
        widget = new QLabel(window::ToQString(spec.caption), &form);
        break;
      case window::kTextBox:
        widget = new QLineEdit(&form);
        break;
      case window::kButton:
        widget = new QPushButton(window::ToQString(spec.caption), &form);
        break;
      case window::kLine:
        widget = new QFrame(&form);
        static_cast<QFrame*>(widget)->setFrameShape(QFrame::HLine);
        break;
    }
    widget->setGeometry(spec.left / window::kTwipsPerPixel, spec.top / window::kTwipsPerPixel,
                        spec.width / window::kTwipsPerPixel,
                        std::max(1, spec.height / window::kTwipsPerPixel));
  }
  form.show();
  return QApplication::exec();
}
