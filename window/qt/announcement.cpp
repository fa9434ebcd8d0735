// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "window/qt/announcement.h"

namespace window {

Announcement::Announcement(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Announcement"));
  setFocusPolicy(Qt::NoFocus);
  setGeometry(0, 0, 0, 0);
  hide();
}

void Announcement::Say(const std::string& text) {
  hide();
  if (text.empty()) return;
  setAccessibleName(QString::fromStdString(text));
  show();  // the notification appears: a screen reader speaks it
}

}  // namespace window
