// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "window/press.h"

#include <gtest/gtest.h>

#include <array>
#include <bitset>
#include <string>

#include "grading/sieve_column.h"

namespace window {
namespace {

using grading::Field;

// The names of the fields in the set, in the order of Field.
std::string Names(const std::bitset<grading::kFieldCount>& fields) {
  std::string names;
  for (Field field : grading::kAllFields) {
    if (!fields[grading::Index(field)]) continue;
    if (!names.empty()) names += ' ';
    names += grading::FieldName(field);
  }
  return names;
}

struct Press {
  const char* name;
  std::array<const char*, 6> masses;
  Notice notice;
  const char* message;
  const char* select;   // the box to correct, or ""
  const char* changed;  // the boxes to show anew
  const char* spoken;   // what the screen reader is told, or ""
  friend void PrintTo(const Press& press, std::ostream* out) { *out << press.name; }
};

// The table below the masses: what a run that fails in the modulus writes.
constexpr const char* kTable =
    "ss sb475 sb236 sb118 sb06 sb03 sb015 lsb475 lsb236 lsb118 lsb06 lsb03 lsb015";
// Every box the program writes: each shows its beginning after any press.
constexpr const char* kResults =
    "ss sb475 sb236 sb118 sb06 sb03 sb015 lsb475 lsb236 lsb118 lsb06 lsb03 lsb015 cx ms";

class Presses : public testing::TestWithParam<Press> {};

// From a window just opened: the six masses typed, then the button, twice.
TEST_P(Presses, SayWhatTheWindowShowsNext) {
  const Press& row = GetParam();
  grading::SieveSheet sheet;
  for (std::size_t i = 0; i < row.masses.size(); ++i) {
    sheet.SetText(grading::kSieveColumns[i].mass, row.masses[i]);
  }
  const PressResult press = PressCommand1(sheet);
  EXPECT_EQ(press.notice, row.notice);
  EXPECT_EQ(press.message, row.message);
  EXPECT_EQ(press.select ? std::string(grading::FieldName(*press.select)) : "", row.select);
  EXPECT_EQ(Names(press.changed), row.changed);
  EXPECT_EQ(press.announcement, row.spoken);
  EXPECT_EQ(Names(press.from_start), kResults);

  const PressResult again = PressCommand1(sheet);
  EXPECT_EQ(again.message, row.message) << "the same inputs, the same outcome";
  EXPECT_EQ(Names(again.changed), "") << "and the same texts";
  EXPECT_EQ(again.announcement, row.spoken) << "heard after every press, not only the first";
  EXPECT_EQ(Names(again.from_start), kResults) << "changed or not";
}

// clang-format off
const Press kPresses[] = {
    {"Worked", {"20", "80", "100", "100", "75", "85"}, Notice::kNone, "", "",
     "ss sb475 sb236 sb118 sb06 sb03 sb015 lsb475 lsb236 lsb118 lsb06 lsb03 lsb015 cx ms",
     "计算完成。细度模数 2.78125，粗细程度：中砂，平均粒径为o．5—0．35mm"},
    {"NoClass", {"0", "0", "500", "0", "0", "0"}, Notice::kNone, "", "",
     "ss sb475 sb236 sb118 sb06 sb03 sb015 lsb475 lsb236 lsb118 lsb06 lsb03 lsb015 ms",
     "计算完成。细度模数 4，不在任何粗细程度的范围内。"},
    {"EmptyInput", {"20", "80", "", "100", "75", "85"}, Notice::kIncomplete, "信息填写不完整。", "", "",
     ""},
    {"NotANumber", {"20", "8o", "100", "100", "75", "85"}, Notice::kWarning,
     "“筛余量 2.36”中的内容不是数字，请改正后再计算。", "s236", "", ""},
    {"DecimalComma", {"20", "80", "12,5", "100", "75", "85"}, Notice::kWarning,
     "“筛余量 1.18”中的内容不是数字，请改正后再计算。小数点请用“.”，数中不能有逗号或其他符号。",
     "s118", "", ""},
    {"FullwidthLetter", {"20", "80", "100", "100", "75", "８ｏ"}, Notice::kWarning,
     "“筛余量 0.15”中的内容不是数字，请改正后再计算。小数点请用“.”，数中不能有逗号或其他符号。",
     "s015", "", ""},
    {"IdeographicFullStop", {"12。3", "45.6", "78.9", "101.1", "122.2", "99.9"}, Notice::kNone, "", "",
     kResults, "计算完成。细度模数 2.442485，粗细程度：中砂，平均粒径为o．5—0．35mm"},
    {"OutOfRange", {"20", "80", "100", "100", "1e39", "85"}, Notice::kWarning,
     "“筛余量 0.3”中的数值过大，超出了程序能计算的范围，请改正后再计算。", "s03", "", ""},
    {"LossOverflows", {"3e38", "3e38", "0", "0", "0", "0"}, Notice::kWarning,
     "无法计算“损失”：筛余量太大，算出的结果超出了程序能计算的范围。请检查各筛的筛余量后再计算。",
     "", "", ""},
    {"DivisionByZero", {"500", "10", "0", "0", "0", "0"}, Notice::kWarning,
     "无法计算“细度模数”：4.75 筛的累计筛余百分为 100，即全部试样都留在 4.75 筛上，"
     "这样的砂没有细度模数。请检查筛余量后再计算。", "", kTable, ""},
    {"ZeroByZero", {"500", "0", "0", "0", "0", "0"}, Notice::kWarning,
     "无法计算“细度模数”：4.75 筛的累计筛余百分为 100，即全部试样都留在 4.75 筛上，"
     "这样的砂没有细度模数。请检查筛余量后再计算。", "", kTable, ""},
    {"ModulusOverflows", {"499.9999", "1e36", "0", "0", "0", "0"}, Notice::kWarning,
     "无法计算“细度模数”：筛余量太大，算出的结果超出了程序能计算的范围。请检查各筛的筛余量后再计算。",
     "", kTable, ""},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Window, Presses, testing::ValuesIn(kPresses),
                         [](const testing::TestParamInfo<Press>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace window
