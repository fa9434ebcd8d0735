// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QAccessibleWidget>

class QLineEdit;

namespace window {

// What a screen reader is told of a text box. Qt's own interface for line
// edits reports runs of text attributes zero characters long, and Orca,
// building the selected text from those runs, speaks a result cut short
// ("1 已选中" for 17). This one reports the whole text as one run, and is
// otherwise what Qt reports: the box's name, its text, read-only or
// editable, its cursor and selection.
class BoxAccessible : public QAccessibleWidget,
                      public QAccessibleTextInterface,
                      public QAccessibleEditableTextInterface {
 public:
  explicit BoxAccessible(QLineEdit* box);

  void* interface_cast(QAccessible::InterfaceType type) override;
  QString text(QAccessible::Text kind) const override;
  QAccessible::State state() const override;

  // QAccessibleTextInterface
  void selection(int index, int* start, int* end) const override;
  int selectionCount() const override;
  void addSelection(int start, int end) override;
  void removeSelection(int index) override;
  void setSelection(int index, int start, int end) override;
  int cursorPosition() const override;
  void setCursorPosition(int position) override;
  QString text(int start, int end) const override;
  int characterCount() const override;
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint& point) const override;
  void scrollToSubstring(int start, int end) override;
  QString attributes(int offset, int* start, int* end) const override;

  // QAccessibleEditableTextInterface, for the boxes the user types into
  void deleteText(int start, int end) override;
  void insertText(int offset, const QString& text) override;
  void replaceText(int start, int end, const QString& text) override;

 private:
  QLineEdit* Box() const;
};

}  // namespace window
