// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "window/web/page_json.h"

#include "window/control_geometry.h"
#include "window/control_table.h"
#include "window/fonts.h"
#include "window/masses.h"
#include "window/messages.h"
#include "window/web/json_text.h"
#include "window/web/narrow_layout.h"

namespace window {
namespace {

const char* KindName(ControlKind kind) {
  switch (kind) {
    case kLabel:
      return "label";
    case kTextBox:
      return "textbox";
    case kLine:
      return "line";
    case kButton:
      return "button";
  }
  return "";
}

const char* NoticeName(Notice notice) {
  switch (notice) {
    case Notice::kNone:
      return "none";
    case Notice::kIncomplete:
      return "incomplete";
    case Notice::kWarning:
      return "warning";
  }
  return "";
}

std::string Number(int value) { return std::to_string(value); }

// The masses: on a phone they take a keypad with the point, and they are
// what the page keeps when it starts its module again.
bool HoldsMass(const ControlSpec& spec) { return spec.kind == kTextBox && IsMass(BoxField(spec)); }

std::string ControlJson(std::size_t index) {
  const ControlSpec& spec = kControls.at(index);
  const NarrowPlace narrow = NarrowPlaceOf(index);
  const PixelRect place = PixelRectOf(spec);
  return "{\"name\":" + JsonString(spec.name) + ",\"kind\":\"" + KindName(spec.kind) +
         "\",\"caption\":" + JsonString(spec.caption) + ",\"left\":" + Number(place.left) +
         ",\"top\":" + Number(place.top) + ",\"width\":" + Number(place.width) +
         ",\"height\":" + Number(place.height) + ",\"tab\":" + std::to_string(spec.tab_index) +
         ",\"readOnly\":" + (spec.read_only ? "true" : "false") +
         ",\"label\":" + JsonString(spec.accessible_name) +
         ",\"mass\":" + (HoldsMass(spec) ? "true" : "false") + ",\"narrow\":[" +
         std::to_string(narrow.row) + "," + std::to_string(narrow.column) + "," +
         std::to_string(narrow.span) + "]}";
}

std::string Names(const std::bitset<grading::kFieldCount>& fields) {
  std::string names;
  for (grading::Field field : grading::kAllFields) {
    if (!fields[grading::Index(field)]) continue;
    names += (names.empty() ? "" : ",") + JsonString(grading::FieldName(field));
  }
  return "[" + names + "]";
}

}  // namespace

std::string FormJson() {
  std::string controls;
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    controls += (i == 0 ? "" : ",") + ControlJson(i);
  }
  return std::string("{\"title\":") + JsonString(kTitle) + ",\"ok\":" + JsonString(kOkCaption) +
         ",\"couldNotRun\":" + JsonString(kCouldNotRunMessage) +
         ",\"fonts\":" + JsonString(CssFontFamilies()) +
         ",\"focus\":" + JsonString(grading::FieldName(kFirstFocus)) +
         ",\"width\":" + Number(kClientPixelWidth) + ",\"height\":" + Number(kClientPixelHeight) +
         ",\"controls\":[" + controls + "]}";
}

std::string PressJson(const PressResult& press, const grading::SieveSheet& sheet) {
  std::string texts;
  for (grading::Field field : grading::kAllFields) {
    if (!press.Changed(field)) continue;
    texts += (texts.empty() ? "" : ",") + JsonString(grading::FieldName(field)) + ":" +
             JsonString(sheet.Text(field));
  }
  const std::string select =
      press.select ? JsonString(grading::FieldName(*press.select)) : std::string("null");
  return "{\"texts\":{" + texts + "},\"fromStart\":" + Names(press.from_start) + ",\"notice\":\"" +
         NoticeName(press.notice) + "\",\"message\":" + JsonString(press.message) +
         ",\"select\":" + select + ",\"announcement\":" + JsonString(press.announcement) + "}";
}

}  // namespace window
