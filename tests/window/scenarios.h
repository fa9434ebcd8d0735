// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT
// What the user sees after a press, typed once for every window: the
// shared press logic, the Qt and Win32 windows and the page run each row
// through their own front end; Orca hears the rows marked for the ear.
// The build writes it as scenarios.json for the page's and Orca's tests.

#pragma once

#include <string>
#include <vector>

namespace scenarios {

// Every box and the button in tab order, with the name a screen reader
// gives it and whether the user may type into it.
struct Stop {
  const char* name;
  const char* heard;
  bool read_only;
};

// clang-format off
inline constexpr Stop kTabStops[] = {
    {"s475", "筛余量 4.75", false}, {"s236", "筛余量 2.36", false}, {"s118", "筛余量 1.18", false},
    {"s06", "筛余量 0.6", false}, {"s03", "筛余量 0.3", false}, {"s015", "筛余量 0.15", false},
    {"ms", "细度模数", true}, {"cx", "粗细程度", true}, {"Command1", "计算", false},
    {"sb015", "筛余百分 0.15", true}, {"sb03", "筛余百分 0.3", true}, {"sb06", "筛余百分 0.6", true},
    {"sb118", "筛余百分 1.18", true}, {"sb236", "筛余百分 2.36", true}, {"sb475", "筛余百分 4.75", true},
    {"lsb015", "累计筛余百分 0.15", true}, {"lsb03", "累计筛余百分 0.3", true},
    {"lsb06", "累计筛余百分 0.6", true}, {"lsb118", "累计筛余百分 1.18", true},
    {"lsb236", "累计筛余百分 2.36", true}, {"lsb475", "累计筛余百分 4.75", true},
    {"ss", "损失", false},
};
// clang-format on

// The window's inside, and where a user finds a few of its 49 controls in
// it, in pixels at 96 dpi (and a CSS pixel in the page), with the caption.
struct Place {
  const char* name;
  int left, top, width, height;
  const char* caption;
};
inline constexpr Place kClient = {"Form1", 0, 0, 529, 177, "Vellacor"};
inline constexpr Place kPlaces[] = {
    {"Label9", 8, 8, 41, 17, "筛余量"},     {"s475", 32, 24, 57, 18, ""},
    {"s06", 300, 24, 59, 19, ""},           {"Label17", 0, 104, 81, 17, "累计筛余百分"},
    {"lsb015", 460, 120, 59, 17, ""},       {"cx", 80, 152, 65, 18, ""},
    {"Command1", 416, 152, 57, 17, "计算"}, {"Line1", 56, 8, 464, 1, ""},
    {"Line2", 64, 64, 456, 1, ""},          {"Line3", 80, 112, 432, 1, ""},
};

// The boxes a row's masses go into, and those its results are read from.
inline constexpr const char* kMassBoxes = "s475 s236 s118 s06 s03 s015";
inline constexpr const char* kResultBoxes =
    "ss sb475 sb236 sb118 sb06 sb03 sb015 lsb475 lsb236 lsb118 lsb06 lsb03 lsb015 ms cx";

// From a window just opened: `before` typed and pressed (its message, if
// any, dismissed), then `masses` typed and the button pressed. Lists are
// space-separated, "_" an empty box; `shown` is empty where every result
// is. `notice` is "", "plain" or "warning"; `select`, the box then
// focused with its text selected; `heard`, what a screen reader is told
// of the outcome; `ear`, a row Orca runs.
struct Scenario {
  const char* name;
  const char* before;
  const char* masses;
  const char* shown;
  const char* notice;
  const char* message;
  const char* select;
  const char* heard;
  bool ear;
};

inline constexpr const char* kMedium = "中砂，平均粒径为o．5—0．35mm";
inline constexpr const char* kWorked = "20 80 100 100 75 85";
inline constexpr const char* kCoarse = "25 125 125 100 75 45";
inline constexpr const char* kNoModulus =
    "无法计算“细度模数”：4.75 筛的累计筛余百分为 100，即全部试样都留在 4.75 筛上，"
    "这样的砂没有细度模数。请检查筛余量后再计算。";

// clang-format off
inline const Scenario kScenarios[] = {
    {"Worked", "", kWorked, "40 4 16 20 20 15 17 4 20 40 60 75 92 2.78125 中砂，平均粒径为o．5—0．35mm",
     "", "", "", "计算完成。细度模数 2.78125，粗细程度：中砂，平均粒径为o．5—0．35mm", true},
    {"Coarse", "", kCoarse, "5 5 25 25 20 15 9 5 30 55 75 90 99 3.410526 粗砂，平均粒径为o．5mm以上",
     "", "", "", "计算完成。细度模数 3.410526，粗细程度：粗砂，平均粒径为o．5mm以上", false},
    {"Fine", "", "0 25 50 100 150 150", "25 0 5 10 20 30 30 0 5 15 35 65 95 2.15 细砂，平均粒径为0．35—0．25mm",
     "", "", "", "计算完成。细度模数 2.15，粗细程度：细砂，平均粒径为0．35—0．25mm", false},
    {"ExtraFine", "", "0 5 10 25 100 300", "60 0 1 2 5 20 60 0 1 3 8 28 88 1.28 特细砂，平均粒径为o．25mm以下",
     "", "", "", "计算完成。细度模数 1.28，粗细程度：特细砂，平均粒径为o．25mm以下", false},
    // A modulus between the classes empties the class of the press before.
    {"NoClass", kWorked, "0 0 500 0 0 0", "0 0 0 100 0 0 0 0 0 100 100 100 100 4 _",
     "", "", "", "计算完成。细度模数 4，不在任何粗细程度的范围内。", true},
    {"IdeographicFullStop", "", "12。3 45.6 78.9 101.1 122.2 99.9",
     "40.00001 2.46 9.12 15.78 20.22 24.44 19.98 2.46 11.58 27.36 47.58 72.02 92 2.442485 中砂，平均粒径为o．5—0．35mm",
     "", "", "", "计算完成。细度模数 2.442485，粗细程度：中砂，平均粒径为o．5—0．35mm", false},
    {"EmptyInput", "", "20 80 _ 100 75 85", "", "plain", "信息填写不完整。", "", "", true},
    {"NotANumber", "", "20 8o 100 100 75 85", "", "warning",
     "“筛余量 2.36”中的内容不是数字，请改正后再计算。", "s236", "", true},
    {"DecimalComma", "", "20 80 12,5 100 75 85", "", "warning",
     "“筛余量 1.18”中的内容不是数字，请改正后再计算。小数点请用“.”，数中不能有逗号或其他符号。", "s118", "", false},
    {"FullwidthLetter", "", "20 80 100 100 75 ８ｏ", "", "warning",
     "“筛余量 0.15”中的内容不是数字，请改正后再计算。小数点请用“.”，数中不能有逗号或其他符号。", "s015", "", false},
    {"OutOfRange", "", "20 80 100 100 1e39 85", "", "warning",
     "“筛余量 0.3”中的数值过大，超出了程序能计算的范围，请改正后再计算。", "s03", "", false},
    {"LossOverflows", "", "3e38 3e38 0 0 0 0", "", "warning",
     "无法计算“损失”：筛余量太大，算出的结果超出了程序能计算的范围。请检查各筛的筛余量后再计算。", "", "", false},
    // The new table beside the modulus and class of the press before.
    {"DivisionByZero", kCoarse, "500 10 0 0 0 0",
     "-10 100 2 0 0 0 0 100 102 102 102 102 102 3.410526 粗砂，平均粒径为o．5mm以上",
     "warning", kNoModulus, "", "", true},
    {"ZeroByZero", kWorked, "500 0 0 0 0 0",
     "0 100 0 0 0 0 0 100 100 100 100 100 100 2.78125 中砂，平均粒径为o．5—0．35mm", "warning", kNoModulus, "", "", false},
    {"ModulusOverflows", "", "499.9999 1e36 0 0 0 0", "-1e+36 99.99998 2e+35 0 0 0 0 99.99998 2e+35 2e+35 2e+35 2e+35 2e+35 _ _", "warning",
     "无法计算“细度模数”：筛余量太大，算出的结果超出了程序能计算的范围。请检查各筛的筛余量后再计算。", "", "", false},
};
// clang-format on

// The words of a list; "_" an empty box.
inline std::vector<std::string> Words(const char* list) {
  std::vector<std::string> words;
  std::string word;
  for (const char* c = list;; ++c) {
    if (*c != ' ' && *c != '\0') {
      word += *c;
      continue;
    }
    if (!word.empty()) words.push_back(word == "_" ? "" : word);
    word.clear();
    if (*c == '\0') break;
  }
  return words;
}

// What each result box shows after the row's press.
inline std::vector<std::string> Shown(const Scenario& row) {
  std::vector<std::string> shown = Words(row.shown);
  if (shown.empty()) shown.resize(Words(kResultBoxes).size());
  return shown;
}

}  // namespace scenarios
