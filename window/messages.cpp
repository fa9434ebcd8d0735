// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "window/messages.h"

#include "grading/field.h"
#include "window/control_table.h"

namespace window {
namespace {

// A field as the user knows it: the heading and sieve of its box.
std::string BoxName(grading::Field field) { return std::string(BoxOf(field).accessible_name); }

}  // namespace

std::string IncompleteMessage() { return "信息填写不完整。"; }

std::string OutcomeAnnouncement(const grading::SieveSheet& sheet) {
  using grading::Field;
  std::string text = "计算完成。细度模数 " + sheet.Text(Field::ms) + "，";
  const std::string& sand = sheet.Text(Field::cx);
  return text + (sand.empty() ? "不在任何粗细程度的范围内。" : "粗细程度：" + sand);
}

std::string ErrorMessage(const grading::ConversionError& error) {
  const std::string box = "“" + BoxName(error.field()) + "”";
  if (error.problem() == grading::ConversionProblem::kOutOfRange) {
    return box + "中的数值过大，超出了程序能计算的范围，请改正后再计算。";
  }
  std::string text = box + "中的内容不是数字，请改正后再计算。";
  // "12,5" or "１，５": a number in another convention.
  if (error.problem() == grading::ConversionProblem::kForeignCharacter) {
    text += "小数点请用“.”，数中不能有逗号或其他符号。";
  }
  return text;
}

std::string ErrorMessage(const grading::ArithmeticError& error) {
  const std::string head = "无法计算“" + BoxName(error.field()) + "”：";
  // Every number comes from the masses: one that grows too large comes
  // from masses far beyond any sample.
  if (error.fault() == grading::ArithmeticFault::kOverflow) {
    return head + "筛余量太大，算出的结果超出了程序能计算的范围。请检查各筛的筛余量后再计算。";
  }
  // The modulus divides by 100 less the cumulative percentage on 4.75,
  // which is zero when the whole sample stayed on that sieve.
  if (error.field() == grading::Field::ms) {
    return head +
           "4.75 筛的累计筛余百分为 100，即全部试样都留在 4.75 筛上，这样的砂没有细度模数。"
           "请检查筛余量后再计算。";
  }
  return head + "算不出有效的结果。请检查各筛的筛余量后再计算。";
}

}  // namespace window
