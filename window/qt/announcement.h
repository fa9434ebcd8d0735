// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QWidget>
#include <string>

namespace window {

// Tells a screen reader something once, without moving the focus and
// without drawing anything: a widget of no size that screen readers know
// as a notification, shown afresh for each message. Orca speaks a
// notification as it appears ("通知 …") and keeps it in its list of
// messages. (It does not speak a focused button's new description: Qt
// sends no text with that event.)
class Announcement : public QWidget {
 public:
  explicit Announcement(QWidget* parent);

  // Says the text; an empty text says nothing and takes the last back.
  void Say(const std::string& text);
};

}  // namespace window
