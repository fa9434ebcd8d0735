// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QMessageBox>
#include <QWidget>
#include <array>

#include "grading/sieve_sheet.h"
#include "window/control_table.h"
#include "window/press.h"

class QLineEdit;
class QPushButton;

namespace window {

class Announcement;

// The one window: the grading table built from kControls, each text box
// bound to the sheet field of its name, and the button that calculates.
class Form1 : public QWidget {
 public:
  explicit Form1(QWidget* parent = nullptr);

  QLineEdit* Box(grading::Field field) const { return boxes_[grading::Index(field)]; }
  QPushButton* Command1() const { return command1_; }
  const grading::SieveSheet& Sheet() const { return sheet_; }

 private:
  QWidget* Build(const ControlSpec& spec);
  QLineEdit* BuildTextBox(const ControlSpec& spec);
  void SetTabOrder();
  void CentreText();
  void CentreOnScreen();
  void Load();
  void Command1Click();
  void Refresh(const PressResult& press);

  void Show(QMessageBox::Icon icon, const std::string& text);

  grading::SieveSheet sheet_;
  std::array<QLineEdit*, grading::kFieldCount> boxes_{};
  QPushButton* command1_ = nullptr;
  Announcement* announcement_ = nullptr;  // the outcome, for screen readers
};

}  // namespace window
