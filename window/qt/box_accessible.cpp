// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "window/qt/box_accessible.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <algorithm>

namespace window {

BoxAccessible::BoxAccessible(QLineEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

QLineEdit* BoxAccessible::Box() const { return static_cast<QLineEdit*>(widget()); }

void* BoxAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  // A read-only box offers no editing, so that it is not reported editable.
  if (type == QAccessible::EditableTextInterface && !Box()->isReadOnly()) {
    return static_cast<QAccessibleEditableTextInterface*>(this);
  }
  return QAccessibleWidget::interface_cast(type);
}

QString BoxAccessible::text(QAccessible::Text kind) const {
  if (kind == QAccessible::Value) return Box()->text();
  return QAccessibleWidget::text(kind);
}

QAccessible::State BoxAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  if (Box()->isReadOnly()) {
    state.readOnly = true;
  } else {
    state.editable = true;
  }
  state.selectableText = true;
  return state;
}

void BoxAccessible::selection(int index, int* start, int* end) const {
  *start = *end = 0;
  if (index != 0 || !Box()->hasSelectedText()) return;
  *start = Box()->selectionStart();
  *end = Box()->selectionEnd();
}

int BoxAccessible::selectionCount() const { return Box()->hasSelectedText() ? 1 : 0; }

void BoxAccessible::addSelection(int start, int end) { setSelection(0, start, end); }

void BoxAccessible::removeSelection(int index) {
  if (index == 0) Box()->deselect();
}

void BoxAccessible::setSelection(int index, int start, int end) {
  if (index == 0) Box()->setSelection(start, end - start);
}

int BoxAccessible::cursorPosition() const { return Box()->cursorPosition(); }

void BoxAccessible::setCursorPosition(int position) { Box()->setCursorPosition(position); }

QString BoxAccessible::text(int start, int end) const {
  return Box()->text().mid(start, end - start);
}

int BoxAccessible::characterCount() const { return static_cast<int>(Box()->text().size()); }

// Measured from the cursor, whose place Qt knows, scrolling included.
QRect BoxAccessible::characterRect(int offset) const {
  const QString text = Box()->text();
  if (offset < 0 || offset >= text.size()) return {};
  const QFontMetrics metrics(Box()->font());
  const QRect cursor = Box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
  const int x = cursor.x() + metrics.horizontalAdvance(text.left(offset)) -
                metrics.horizontalAdvance(text.left(Box()->cursorPosition()));
  const QRect local(x, cursor.y(), metrics.horizontalAdvance(text.at(offset)), cursor.height());
  return QRect(Box()->mapToGlobal(local.topLeft()), local.size());
}

int BoxAccessible::offsetAtPoint(const QPoint& point) const {
  const QPoint local = Box()->mapFromGlobal(point);
  if (!Box()->rect().contains(local)) return -1;
  return Box()->cursorPositionAt(local);
}

void BoxAccessible::scrollToSubstring(int start, int end) {
  Box()->setCursorPosition(end);
  Box()->setCursorPosition(start);
}

// No formatting of its own: the whole text is one run.
QString BoxAccessible::attributes(int offset, int* start, int* end) const {
  const int count = characterCount();
  if (offset < 0 || offset > count) {
    *start = *end = -1;
    return {};
  }
  *start = 0;
  *end = count;
  return {};
}

void BoxAccessible::deleteText(int start, int end) { replaceText(start, end, QString()); }

void BoxAccessible::insertText(int offset, const QString& text) {
  replaceText(offset, offset, text);
}

void BoxAccessible::replaceText(int start, int end, const QString& text) {
  QString whole = Box()->text();
  start = std::clamp(start, 0, static_cast<int>(whole.size()));
  end = std::clamp(end, start, static_cast<int>(whole.size()));
  Box()->setText(whole.replace(start, end - start, text));
}

}  // namespace window
