// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "window/press.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/window/scenarios.h"

namespace scenarios {
void PrintTo(const Scenario& row, std::ostream* out) { *out << row.name; }
}  // namespace scenarios

namespace window {
namespace {

using scenarios::Scenario;
using scenarios::Words;

grading::Field Named(const std::string& name) { return *grading::FieldFromName(name); }

void Type(grading::SieveSheet& sheet, const char* masses) {
  const std::vector<std::string> boxes = Words(scenarios::kMassBoxes);
  const std::vector<std::string> typed = Words(masses);
  for (std::size_t i = 0; i < boxes.size(); ++i) sheet.SetText(Named(boxes[i]), typed.at(i));
}

std::vector<std::string> Results(const grading::SieveSheet& sheet) {
  std::vector<std::string> texts;
  for (const std::string& box : Words(scenarios::kResultBoxes))
    texts.push_back(sheet.Text(Named(box)));
  return texts;
}

const char* NoticeName(Notice notice) {
  return notice == Notice::kNone ? "" : notice == Notice::kWarning ? "warning" : "plain";
}

class Presses : public testing::TestWithParam<Scenario> {};

// The row's press, then the same press again: the same outcome, nothing
// shown anew, heard again, and every result from its beginning each time.
TEST_P(Presses, SayWhatTheWindowShowsNext) {
  const Scenario& row = GetParam();
  grading::SieveSheet sheet;
  if (*row.before) {
    Type(sheet, row.before);
    PressCommand1(sheet);
  }
  const std::vector<std::string> shown_before = Results(sheet);
  Type(sheet, row.masses);
  for (int press = 0; press < 2; ++press) {
    const PressResult result = PressCommand1(sheet);
    EXPECT_EQ(Results(sheet), scenarios::Shown(row));
    EXPECT_STREQ(NoticeName(result.notice), row.notice);
    EXPECT_EQ(result.message, row.message);
    EXPECT_EQ(result.select ? std::string(grading::FieldName(*result.select)) : "", row.select);
    EXPECT_EQ(result.announcement, row.heard) << "heard after every press, not only the first";
    const std::vector<std::string> boxes = Words(scenarios::kResultBoxes);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      const bool differs = press == 0 && shown_before[i] != scenarios::Shown(row)[i];
      EXPECT_EQ(result.Changed(Named(boxes[i])), differs)
          << boxes[i] << " shown anew, press " << press;
      EXPECT_TRUE(result.FromStart(Named(boxes[i]))) << boxes[i];
    }
    for (const std::string& box : Words(scenarios::kMassBoxes))
      EXPECT_FALSE(result.Changed(Named(box)));
  }
}

INSTANTIATE_TEST_SUITE_P(Window, Presses, testing::ValuesIn(scenarios::kScenarios),
                         [](const testing::TestParamInfo<Scenario>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace window
