// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "window/web/page_json.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <tuple>
#include <utility>

#include "grading/sieve_column.h"
#include "window/control_table.h"
#include "window/web/json_text.h"
#include "window/web/narrow_layout.h"

namespace window {
namespace {

TEST(JsonString, EscapesWhatWouldEndOrBreakTheString) {
  const std::pair<const char*, const char*> cases[] = {
      {"40", R"("40")"},
      {R"(a"b\c)", R"("a\"b\\c")"},
      {"12.5\r\n\t", R"("12.5\u000d\u000a\u0009")"},
      {"中砂，平均粒径为o．5—0．35mm", R"("中砂，平均粒径为o．5—0．35mm")"},
  };
  for (const auto& [text, json] : cases) EXPECT_EQ(JsonString(text), json) << text;
}

struct Place {
  const char* name;
  NarrowPlace place;
};

// One sieve a line: headings above the three columns, apertures beside the
// masses, the single boxes below, the button across.
TEST(NarrowLayout, PlacesEachControl) {
  const Place places[] = {
      {"Label9", {1, 2, 1}},    {"Label10", {1, 3, 1}},  {"Label17", {1, 4, 1}},
      {"Label1", {2, 1, 1}},    {"s475", {2, 2, 1}},     {"sb475", {2, 3, 1}},
      {"lsb475", {2, 4, 1}},    {"Label5", {5, 1, 1}},   {"sb06", {5, 3, 1}},
      {"lsb015", {7, 4, 1}},    {"Label8", {8, 1, 1}},   {"cx", {8, 2, 3}},
      {"ms", {9, 2, 3}},        {"Label24", {10, 1, 1}}, {"ss", {10, 2, 3}},
      {"Command1", {11, 1, 4}}, {"Label16", {0, 0, 1}},  {"Label18", {0, 0, 1}},
      {"Line2", {0, 0, 1}},
  };
  for (const Place& expected : places) {
    const auto index = static_cast<std::size_t>(FindControl(expected.name) - kControls.data());
    const NarrowPlace place = NarrowPlaceOf(index);
    EXPECT_EQ(std::make_tuple(place.row, place.column, place.span),
              std::make_tuple(expected.place.row, expected.place.column, expected.place.span))
        << expected.name;
  }
  // No two controls shown on one cell, and 6 × 4 + 3 headings + 3 × 2 + 1 shown.
  std::set<std::pair<int, int>> cells;
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    const NarrowPlace place = NarrowPlaceOf(i);
    if (place.row != 0) EXPECT_TRUE(cells.insert({place.row, place.column}).second) << i;
  }
  EXPECT_EQ(cells.size(), 34U);
}

TEST(FormJson, DescribesTheWindowInPixels) {
  const std::string json = FormJson();
  const char* parts[] = {
      R"({"title":"Vellacor","ok":"确定","focus":"s475","width":529,"height":177,"controls":[)",
      R"({"name":"s475","kind":"textbox","caption":"","left":32,"top":24,"width":57,"height":18,)"
      R"("tab":1,"readOnly":false,"label":"筛余量 4.75","decimal":true,"narrow":[2,2,1]})",
      R"({"name":"sb06","kind":"textbox","caption":"","left":304,"top":72,"width":59,"height":19,)"
      R"("tab":21,"readOnly":true,"label":"筛余百分 0.6","decimal":false,"narrow":[5,3,1]})",
      R"({"name":"ss","kind":"textbox","caption":"","left":336,"top":152,"width":73,"height":18,)"
      R"("tab":45,"readOnly":false,"label":"损失","decimal":false,"narrow":[10,2,3]})",
      R"({"name":"Command1","kind":"button","caption":"计算","left":416,"top":152,"width":57,)"
      R"("height":17,"tab":16,)",
      R"({"name":"Line3","kind":"line","caption":"","left":80,"top":112,"width":432,"height":1,)"
      R"("tab":-1,)",
  };
  for (const char* part : parts) EXPECT_NE(json.find(part), std::string::npos) << part;
}

struct PressCase {
  std::array<const char*, 6> masses;
  const char* json;
};

TEST(PressJson, SaysWhatThePageDoesNext) {
  const char* kFromStart =
      R"("fromStart":["ss","sb475","sb236","sb118","sb06","sb03","sb015","lsb475","lsb236",)"
      R"("lsb118","lsb06","lsb03","lsb015","cx","ms"])";
  const PressCase cases[] = {
      {{"20", "80", "100", "100", "75", "85"},
       R"({"texts":{"ss":"40","sb475":"4","sb236":"16","sb118":"20","sb06":"20","sb03":"15",)"
       R"("sb015":"17","lsb475":"4","lsb236":"20","lsb118":"40","lsb06":"60","lsb03":"75",)"
       R"("lsb015":"92","cx":"中砂，平均粒径为o．5—0．35mm","ms":"2.78125"},)"
       "FROM_START"
       R"(,"notice":"none","message":"","select":null,)"
       R"("announcement":"计算完成。细度模数 2.78125，粗细程度：中砂，平均粒径为o．5—0．35mm"})"},
      {{"20", "8o", "100", "100", "75", "85"},
       R"({"texts":{},FROM_START,"notice":"warning",)"
       R"("message":"“筛余量 2.36”中的内容不是数字，请改正后再计算。","select":"s236",)"
       R"("announcement":""})"},
      {{"", "", "", "", "", ""},
       R"({"texts":{},FROM_START,"notice":"incomplete","message":"信息填写不完整。",)"
       R"("select":null,"announcement":""})"},
  };
  for (const PressCase& row : cases) {
    grading::SieveSheet sheet;
    for (std::size_t i = 0; i < row.masses.size(); ++i) {
      sheet.SetText(grading::kSieveColumns.at(i).mass, row.masses.at(i));
    }
    std::string expected = row.json;
    expected.replace(expected.find("FROM_START"), 10, kFromStart);
    EXPECT_EQ(PressJson(PressCommand1(sheet), sheet), expected);
  }
}

}  // namespace
}  // namespace window
