// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "window/qt/form1.h"

#include <QCursor>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <climits>

#include "window/control_geometry.h"
#include "window/messages.h"
#include "window/qt/announcement.h"
#include "window/qt/ink_centring.h"
#include "window/qt/qt_text.h"

namespace window {
namespace {

QRect Pixels(const ControlSpec& spec) {
  const PixelRect place = PixelRectOf(spec);
  return QRect(place.left, place.top, place.width, place.height);
}

}  // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QString::fromLatin1(kTitle));
  setFixedSize(kClientPixelWidth, kClientPixelHeight);
  // The boxes are not related to their labels: Orca speaks a related
  // label ("4.75") instead of the box's whole name ("筛余量 4.75").
  for (const ControlSpec& spec : kControls) Build(spec);
  announcement_ = new Announcement(this);
  SetTabOrder();
  CentreOnScreen();
  Load();
  // The boxes open empty: their text is placed once the window is up, and
  // it shows no sooner for being placed before.
  QTimer::singleShot(0, this, &Form1::CentreText);
}

void Form1::CentreText() {
  InkCentring centring(font());
  for (QLineEdit* box : boxes_) {
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setTextMargins(0, centring.TopMargin(box->height()), 0, 0);
  }
}

QWidget* Form1::Build(const ControlSpec& spec) {
  QWidget* widget = nullptr;
  switch (spec.kind) {
    case kLabel:
      widget = new QLabel(ToQString(spec.caption), this);
      break;
    case kTextBox:
      widget = BuildTextBox(spec);
      break;
    case kButton:
      command1_ = new QPushButton(ToQString(spec.caption), this);
      // Enter presses the button only while it has the focus; it is no
      // window default, so Enter in a box does not calculate.
      command1_->setAutoDefault(true);
      connect(command1_, &QPushButton::clicked, this, &Form1::Command1Click);
      widget = command1_;
      break;
    case kLine: {
      auto* line = new QFrame(this);
      line->setFrameShape(QFrame::HLine);
      line->setFrameShadow(QFrame::Plain);
      line->setLineWidth(1);
      widget = line;
      break;
    }
  }
  widget->setObjectName(ToQString(spec.name));
  QRect rect = Pixels(spec);
  widget->setGeometry(rect);
  return widget;
}

QLineEdit* Form1::BuildTextBox(const ControlSpec& spec) {
  const grading::Field field = BoxField(spec);
  auto* box = new QLineEdit(this);
  box->setMaxLength(INT_MAX);
  box->setReadOnly(spec.read_only);
  box->setAccessibleName(ToQString(spec.accessible_name));
  if (!spec.read_only) {
    connect(box, &QLineEdit::textChanged, this,
            [this, field](const QString& text) { sheet_.SetText(field, text.toStdString()); });
  }
  boxes_[grading::Index(field)] = box;
  return box;
}

void Form1::SetTabOrder() {
  for (std::size_t i = 1; i < kTabOrder.size(); ++i) {
    setTabOrder(findChild<QWidget*>(ToQString(kTabOrder[i - 1]->name)),
                findChild<QWidget*>(ToQString(kTabOrder[i]->name)));
  }
}

void Form1::CentreOnScreen() {
  // The screen with the pointer, where the user is looking (QWidget's own
  // screen came with Qt 5.14; the desks of the Qt 5 generation run 5.11).
  QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen != nullptr) move(screen->availableGeometry().center() - rect().center());
}

// Every box starts empty, with the focus in the first input.
void Form1::Load() {
  sheet_.Reset();
  for (QLineEdit* box : boxes_) box->clear();
  Box(kFirstFocus)->setFocus();
}

void Form1::Command1Click() {
  const PressResult press = PressCommand1(sheet_);
  Refresh(press);
  announcement_->Say(press.announcement);
  if (press.notice != Notice::kNone) {
    Show(press.notice == Notice::kWarning ? QMessageBox::Warning : QMessageBox::NoIcon,
         press.message);
  }
  if (press.select) {
    QLineEdit* box = Box(*press.select);
    box->setFocus();
    box->selectAll();
  }
}

// A box whose field changed shows the new text; each result box, changed
// or not, its text's beginning.
void Form1::Refresh(const PressResult& press) {
  for (grading::Field field : grading::kAllFields) {
    QLineEdit* box = Box(field);
    if (press.Changed(field)) box->setText(QString::fromStdString(sheet_.Text(field)));
    if (press.FromStart(field)) box->setCursorPosition(0);
  }
  Box(grading::Field::cx)->setToolTip(Box(grading::Field::cx)->text());
}

void Form1::Show(QMessageBox::Icon icon, const std::string& text) {
  QMessageBox box(icon, QString::fromLatin1(kTitle), ToQString(text), QMessageBox::Ok, this);
  box.button(QMessageBox::Ok)->setText(ToQString(kOkCaption));
  box.exec();
}

}  // namespace window
