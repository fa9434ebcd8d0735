#include "window/messages.h"

#include "grading/field.h"
#include "window/control_table.h"
#include "window/qt_text.h"

namespace window {
namespace {

// A field as the user knows it: the heading and sieve of its box.
QString BoxName(grading::Field field) {
  const ControlSpec* box = FindControl(grading::FieldName(field));
  return box ? ToQString(box->accessible_name) : QString();
}

QString Why(grading::ArithmeticFault fault) {
  switch (fault) {
    case grading::ArithmeticFault::kOverflow:
      return QStringLiteral("结果超出单精度数的范围（溢出）");
    case grading::ArithmeticFault::kDivisionByZero:
      return QStringLiteral("除数为零");
    case grading::ArithmeticFault::kInvalid:
      return QStringLiteral("无效运算（零除以零）");
  }
  return QStringLiteral("运算错误");
}

}  // namespace

QString IncompleteMessage() { return QStringLiteral("信息填写不完整。"); }

QString ErrorMessage(const grading::ConversionError& error) {
  const QString what = error.problem() == grading::ConversionProblem::kNotANumber
                           ? QStringLiteral("不是数字")
                           : QStringLiteral("超出单精度数的范围");
  return QStringLiteral("“%1”中的内容%2，请改正后再计算。").arg(BoxName(error.field()), what);
}

QString ErrorMessage(const grading::ArithmeticError& error) {
  QString text =
      QStringLiteral("无法计算“%1”：%2。").arg(BoxName(error.field()), Why(error.fault()));
  // The divisor of the modulus is 100 less the cumulative percentage on 4.75.
  if (error.field() == grading::Field::ms && error.fault() != grading::ArithmeticFault::kOverflow) {
    text += QStringLiteral("\n4.75 筛的累计筛余百分为 100，细度模数没有数值。");
  }
  return text;
}

}  // namespace window
