// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "window/messages.h"

#include "grading/field.h"
#include "window/control_table.h"

namespace window {
namespace {

// A field as the user knows it: the heading and sieve of its box.
std::string BoxName(grading::Field field) {
  const ControlSpec* box = FindControl(grading::FieldName(field));
  return box ? std::string(box->accessible_name) : std::string();
}

std::string Why(grading::ArithmeticFault fault) {
  switch (fault) {
    case grading::ArithmeticFault::kOverflow:
      return "结果超出单精度数的范围（溢出）";
    case grading::ArithmeticFault::kDivisionByZero:
      return "除数为零";
    case grading::ArithmeticFault::kInvalid:
      return "无效运算（零除以零）";
  }
  return "运算错误";
}

}  // namespace

std::string IncompleteMessage() { return "信息填写不完整。"; }

std::string OutcomeAnnouncement(const grading::SieveSheet& sheet) {
  using grading::Field;
  std::string text = "计算完成。细度模数 " + sheet.Text(Field::ms) + "，";
  const std::string& sand = sheet.Text(Field::cx);
  return text + (sand.empty() ? "不在任何粗细程度的范围内。" : "粗细程度：" + sand);
}

std::string ErrorMessage(const grading::ConversionError& error) {
  const char* what = error.problem() == grading::ConversionProblem::kNotANumber
                         ? "不是数字"
                         : "超出单精度数的范围";
  return "“" + BoxName(error.field()) + "”中的内容" + what + "，请改正后再计算。";
}

std::string ErrorMessage(const grading::ArithmeticError& error) {
  std::string text = "无法计算“" + BoxName(error.field()) + "”：" + Why(error.fault()) + "。";
  // The divisor of the modulus is 100 less the cumulative percentage on 4.75.
  if (error.field() == grading::Field::ms && error.fault() != grading::ArithmeticFault::kOverflow) {
    text += "\n4.75 筛的累计筛余百分为 100，细度模数没有数值。";
  }
  return text;
}

}  // namespace window
