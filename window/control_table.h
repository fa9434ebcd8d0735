// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

#include "grading/field.h"

namespace window {

// Unscoped, so that the table below reads kLabel rather than
// ControlKind::kLabel.
enum ControlKind { kLabel, kTextBox, kLine, kButton };

// One control of Form1. Positions and sizes are in twips (1/1440 inch) from
// the top-left corner of the client area; a line runs from (left, top) to
// (left + width, top + height).
struct ControlSpec {
  std::string_view name;  // the object name; a text box's is its sheet field's
  ControlKind kind;
  std::string_view caption;  // what a label or the button shows
  int left;
  int top;
  int width;
  int height;
  int tab_index;  // -1 for lines, which take no part in the tab order
  bool read_only;
  std::string_view accessible_name;  // how a screen reader names a text box
};

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidth = 7935;
inline constexpr int kClientHeight = 2655;

// clang-format off
inline constexpr auto kControls = std::to_array<ControlSpec>({
    // name      kind      caption         left   top  width height tab  read-only accessible name
    {"Label9",   kLabel,   "筛余量",         120,  120,  615,  255, 17, false, ""},
    {"Label1",   kLabel,   "4.75",            60,  360,  375,  255,  0, false, ""},
    {"s475",     kTextBox, "",               480,  360,  855,  270,  1, false, "筛余量 4.75"},
    {"Label2",   kLabel,   "2.36",          1500,  360,  375,  255,  2, false, ""},
    {"s236",     kTextBox, "",              1890,  360,  855,  270,  7, false, "筛余量 2.36"},
    {"Label3",   kLabel,   "1.18",          2790,  360,  375,  255,  3, false, ""},
    {"s118",     kTextBox, "",              3150,  360, 1035,  255,  8, false, "筛余量 1.18"},
    {"Label5",   kLabel,   "0.6",           4230,  360,  495,  255,  5, false, ""},
    {"s06",      kTextBox, "",              4500,  360,  885,  285,  9, false, "筛余量 0.6"},
    {"Label4",   kLabel,   "0.3",           5400,  360,  495,  255,  4, false, ""},
    {"s03",      kTextBox, "",              5700,  360,  885,  255, 10, false, "筛余量 0.3"},
    {"Label6",   kLabel,   "0.15",          6600,  360,  375,  255,  6, false, ""},
    {"s015",     kTextBox, "",              6960,  360,  885,  255, 11, false, "筛余量 0.15"},
    {"Label10",  kLabel,   "筛余百分",       120,  840,  855,  255, 18, false, ""},
    {"Label16",  kLabel,   "4.75",           120, 1080,  375,  255, 30, false, ""},
    {"sb475",    kTextBox, "",               540, 1080,  855,  270, 24, true,  "筛余百分 4.75"},
    {"Label15",  kLabel,   "2.36",          1560, 1080,  375,  255, 29, false, ""},
    {"sb236",    kTextBox, "",              1950, 1080,  855,  270, 23, true,  "筛余百分 2.36"},
    {"Label14",  kLabel,   "1.18",          2850, 1080,  375,  255, 28, false, ""},
    {"sb118",    kTextBox, "",              3210, 1080, 1035,  255, 22, true,  "筛余百分 1.18"},
    {"Label12",  kLabel,   "0.6",           4290, 1080,  495,  255, 26, false, ""},
    {"sb06",     kTextBox, "",              4560, 1080,  885,  285, 21, true,  "筛余百分 0.6"},
    {"Label13",  kLabel,   "0.3",           5460, 1080,  495,  255, 27, false, ""},
    {"sb03",     kTextBox, "",              5760, 1080,  885,  255, 20, true,  "筛余百分 0.3"},
    {"Label11",  kLabel,   "0.15",          6660, 1080,  375,  255, 25, false, ""},
    {"sb015",    kTextBox, "",              7020, 1080,  885,  255, 19, true,  "筛余百分 0.15"},
    {"Label17",  kLabel,   "累计筛余百分",     0, 1560, 1215,  255, 31, false, ""},
    {"Label23",  kLabel,   "4.75",             0, 1800,  375,  255, 43, false, ""},
    {"lsb475",   kTextBox, "",               420, 1800,  855,  270, 37, true,  "累计筛余百分 4.75"},
    {"Label22",  kLabel,   "2.36",          1440, 1800,  375,  255, 42, false, ""},
    {"lsb236",   kTextBox, "",              1830, 1800,  855,  270, 36, true,  "累计筛余百分 2.36"},
    {"Label21",  kLabel,   "1.18",          2730, 1800,  375,  255, 41, false, ""},
    {"lsb118",   kTextBox, "",              3090, 1800, 1035,  255, 35, true,  "累计筛余百分 1.18"},
    {"Label19",  kLabel,   "0.6",           4170, 1800,  495,  255, 39, false, ""},
    {"lsb06",    kTextBox, "",              4440, 1800,  885,  285, 34, true,  "累计筛余百分 0.6"},
    {"Label20",  kLabel,   "0.3",           5340, 1800,  495,  255, 40, false, ""},
    {"lsb03",    kTextBox, "",              5640, 1800,  885,  255, 33, true,  "累计筛余百分 0.3"},
    {"Label18",  kLabel,   "0.15",          6540, 1800,  375,  255, 38, false, ""},
    {"lsb015",   kTextBox, "",              6900, 1800,  885,  255, 32, true,  "累计筛余百分 0.15"},
    {"Label8",   kLabel,   "粗细程度",       240, 2280,  855,  255, 14, false, ""},
    {"cx",       kTextBox, "",              1200, 2280,  975,  270, 15, true,  "粗细程度"},
    {"Label7",   kLabel,   "细度模数",      2280, 2280,  855,  255, 12, false, ""},
    {"ms",       kTextBox, "",              3240, 2280,  975,  270, 13, true,  "细度模数"},
    {"Label24",  kLabel,   "损失",          4440, 2280,  495,  255, 44, false, ""},
    {"ss",       kTextBox, "",              5040, 2280, 1095,  270, 45, false, "损失"},
    {"Command1", kButton,  "计算",          6240, 2280,  855,  255, 16, false, ""},
    {"Line1",    kLine,    "",               840,  120, 6960,    0, -1, false, ""},
    {"Line2",    kLine,    "",               960,  960, 6840,    0, -1, false, ""},
    {"Line3",    kLine,    "",              1200, 1680, 6480,    0, -1, false, ""},
});
// clang-format on

// The table checked when it is compiled: a row deleted, doubled or with a
// mistyped name fails the build rather than the program at start-up.
namespace table_check {

constexpr std::size_t Count(ControlKind kind) {
  std::size_t n = 0;
  for (const ControlSpec& control : kControls) n += control.kind == kind;
  return n;
}

constexpr bool NamesAreDistinct() {
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    for (std::size_t j = i + 1; j < kControls.size(); ++j) {
      if (kControls[i].name == kControls[j].name) return false;
    }
  }
  return true;
}

// Each text box bears the name of a sheet field, and each field has one.
constexpr bool BoxesAndFieldsMatch() {
  for (const ControlSpec& control : kControls) {
    if (control.kind == kTextBox && !grading::FieldFromName(control.name)) return false;
  }
  for (std::string_view field : grading::kFieldNames) {
    std::size_t boxes = 0;
    for (const ControlSpec& control : kControls) {
      boxes += control.kind == kTextBox && control.name == field;
    }
    if (boxes != 1) return false;
  }
  return true;
}

// Lines take no part in the tab order; every other control has its own index.
constexpr bool TabIndexesAreDistinct() {
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    if ((kControls[i].kind == kLine) != (kControls[i].tab_index < 0)) return false;
    for (std::size_t j = i + 1; j < kControls.size(); ++j) {
      if (kControls[i].kind != kLine && kControls[i].tab_index == kControls[j].tab_index) {
        return false;
      }
    }
  }
  return true;
}

static_assert(kControls.size() == 49, "Form1 has 49 controls");
static_assert(Count(kTextBox) == grading::kFieldCount && Count(kLabel) == 24 && Count(kLine) == 3 &&
                  Count(kButton) == 1,
              "21 text boxes, 24 labels, 3 lines and the button");
static_assert(NamesAreDistinct(), "every control has a name of its own");
static_assert(BoxesAndFieldsMatch(), "each text box shows one sheet field, each field one box");
static_assert(TabIndexesAreDistinct(), "every control but the lines has a tab index of its own");

}  // namespace table_check

// The sheet field a text box shows: the one of its name (each box has one,
// as checked above).
constexpr grading::Field BoxField(const ControlSpec& box) {
  return *grading::FieldFromName(box.name);
}

// The text boxes and the button, which take the focus, in ascending tab
// index: Tab moves the focus along this order, and back to its start.
inline constexpr std::size_t kFocusableCount = 22;
inline constexpr std::array<const ControlSpec*, kFocusableCount> kTabOrder = [] {
  std::array<const ControlSpec*, kFocusableCount> order{};
  std::size_t n = 0;
  for (const ControlSpec& control : kControls) {
    if (control.kind == kTextBox || control.kind == kButton) order.at(n++) = &control;
  }
  std::sort(order.begin(), order.end(),
            [](const ControlSpec* a, const ControlSpec* b) { return a->tab_index < b->tab_index; });
  return order;
}();

// The control of that name, or nullptr.
constexpr const ControlSpec* FindControl(std::string_view name) {
  for (const ControlSpec& control : kControls) {
    if (control.name == name) return &control;
  }
  return nullptr;
}

// The text box that shows the field (each field has one, as checked above).
constexpr const ControlSpec& BoxOf(grading::Field field) {
  return *FindControl(grading::FieldName(field));
}

// The box that has the focus when the window opens: the first of the tab
// order, which must be a box.
inline constexpr grading::Field kFirstFocus = BoxField(*kTabOrder.front());

}  // namespace window
