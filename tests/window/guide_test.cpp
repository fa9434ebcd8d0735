// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT
// The technician's guide quotes the program: every text the program can
// show or speak stands in it word for word, so that a message changed in
// the program cannot leave the guide in every file we hand out saying the
// old one. The texts are the program's own, rendered here as a press, the
// page or the screen reader gets them.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "grading/sand_class.h"
#include "tests/window/scenarios.h"
#include "window/control_table.h"
#include "window/messages.h"
#include "window/press.h"

namespace window {
namespace {

std::string Read(const char* path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

const std::string& Guide() {
  static const std::string guide = Read(VELLACOR_GUIDE_SOURCE);
  return guide;
}

// A message, as the guide sets one apart.
std::string AsMessage(const std::string& text) { return "<p class=\"message\">" + text + "</p>"; }

bool Quoted(const std::string& quote) { return Guide().find(quote) != std::string::npos; }

// The guide gives a message about one box for all: it quotes the message
// as the program words it for one of the boxes.
bool QuotedForSomeBox(const std::string& message) {
  for (const ControlSpec& control : kControls) {
    if (control.kind != kTextBox) continue;
    const std::string name = "“" + std::string(control.accessible_name) + "”";
    const std::size_t at = message.find(name);
    if (at == std::string::npos) continue;
    for (const ControlSpec& other : kControls) {
      if (other.kind != kTextBox) continue;
      std::string worded = message;
      worded.replace(at, name.size(), "“" + std::string(other.accessible_name) + "”");
      if (Quoted(AsMessage(worded))) return true;
    }
    return false;
  }
  return Quoted(AsMessage(message));
}

PressResult Press(grading::SieveSheet& sheet, const char* masses) {
  const std::vector<std::string> boxes = scenarios::Words(scenarios::kMassBoxes);
  const std::vector<std::string> typed = scenarios::Words(masses);
  for (std::size_t i = 0; i < boxes.size(); ++i)
    sheet.SetText(*grading::FieldFromName(boxes[i]), typed.at(i));
  return PressCommand1(sheet);
}

TEST(Guide, QuotesEveryMessageOfAPress) {
  ASSERT_FALSE(Guide().empty()) << VELLACOR_GUIDE_SOURCE;
  for (const scenarios::Scenario& row : scenarios::kScenarios) {
    grading::SieveSheet sheet;
    if (*row.before) Press(sheet, row.before);
    const std::string message = Press(sheet, row.masses).message;
    if (!message.empty()) {
      EXPECT_TRUE(QuotedForSomeBox(message)) << row.name << ": " << message;
    }
  }
  // No mass makes a partial or cumulative percentage invalid, but the
  // program has the words for it.
  const std::string invalid = ErrorMessage(
      grading::ArithmeticError(grading::Field::lsb015, grading::ArithmeticFault::kInvalid));
  EXPECT_TRUE(QuotedForSomeBox(invalid)) << invalid;
  EXPECT_TRUE(Quoted(AsMessage(kCouldNotRunMessage))) << kCouldNotRunMessage;
  EXPECT_TRUE(Quoted(std::string("标题都是“") + kTitle + "”")) << kTitle;
  EXPECT_TRUE(Quoted(std::string("一个“") + kOkCaption + "”按钮")) << kOkCaption;
}

// What a screen reader hears after the guide's two examples.
TEST(Guide, QuotesTheAnnouncementWithAndWithoutAClass) {
  for (const char* masses : {scenarios::kWorked, "0 50 150 175 50 50"}) {
    grading::SieveSheet sheet;
    const std::string heard = Press(sheet, masses).announcement;
    EXPECT_TRUE(Quoted(AsMessage(heard))) << heard;
  }
}

TEST(Guide, QuotesTheFourClassTexts) {
  for (const grading::SandClass& sand : grading::kSandClasses) {
    const std::string cell = "<td>" + std::string(sand.text) + "</td>";
    EXPECT_TRUE(Quoted(cell)) << sand.text;
  }
}

// The page's own words where it cannot run, from its template.
TEST(Guide, QuotesThePagesOwnMessages) {
  const std::string page = Read(VELLACOR_PAGE_SOURCE);
  for (const char* after : {"<div id=\"unsupported\"", "<noscript>"}) {
    const std::size_t block = page.find(after);
    ASSERT_NE(block, std::string::npos) << after;
    const std::size_t start = page.find('>', page.find("<p", block)) + 1;
    const std::string text = page.substr(start, page.find("</p>", start) - start);
    EXPECT_TRUE(Quoted(AsMessage(text))) << text;
  }
}

// The tab order as the guide words it: a row's boxes after its heading,
// the button by its caption, and back to the first.
TEST(Guide, QuotesTheTabOrder) {
  std::vector<ControlSpec> stops;
  std::copy_if(kControls.begin(), kControls.end(), std::back_inserter(stops),
               [](const ControlSpec& c) { return c.kind == kTextBox || c.kind == kButton; });
  std::sort(stops.begin(), stops.end(),
            [](const ControlSpec& a, const ControlSpec& b) { return a.tab_index < b.tab_index; });
  std::string order;
  std::string heading;
  for (const ControlSpec& stop : stops) {
    const std::string name(stop.accessible_name);
    const std::size_t space = name.find(' ');
    if (space != std::string::npos && name.substr(0, space) == heading) {
      order += "、" + name.substr(space + 1);
      continue;
    }
    heading = space == std::string::npos ? "" : name.substr(0, space);
    if (!order.empty()) order += " → ";
    order += stop.kind == kButton ? "“" + std::string(stop.caption) + "”按钮" : name;
  }
  order += " → 回到" + std::string(stops.front().accessible_name) + "。";
  EXPECT_TRUE(Quoted("<p>" + order + "</p>")) << order;
}

}  // namespace
}  // namespace window
