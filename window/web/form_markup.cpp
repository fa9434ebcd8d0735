// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "window/web/form_markup.h"

#include "window/control_geometry.h"
#include "window/control_table.h"
#include "window/fonts.h"
#include "window/masses.h"
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

std::string Attribute(std::string_view name, std::string_view value) {
  return " " + std::string(name) + "=\"" + HtmlText(value) + "\"";
}

// A text box: no help from the browser's memory, spelling or capitals,
// which know nothing of sieve masses; the masses take a keypad with the
// point, and the first box the focus.
std::string BoxAttributes(const ControlSpec& spec) {
  std::string attributes = Attribute("type", "text") + Attribute("autocomplete", "off") +
                           Attribute("autocapitalize", "off") + Attribute("spellcheck", "false") +
                           Attribute("aria-label", spec.accessible_name);
  const grading::Field field = BoxField(spec);
  if (spec.read_only) attributes += " readonly";
  if (IsMass(field)) attributes += Attribute("inputmode", "decimal") + " data-mass";
  if (field == kFirstFocus) attributes += " autofocus";
  return attributes;
}

std::string ControlMarkup(std::size_t index) {
  const ControlSpec& spec = kControls.at(index);
  std::string classes = KindName(spec.kind);
  if (NarrowPlaceOf(index).row == 0) classes += " wide-only";
  std::string open = Attribute("id", spec.name) + Attribute("class", classes);
  if (spec.kind != kLabel && spec.kind != kLine) {
    open += Attribute("tabindex", std::to_string(spec.tab_index));
  }
  switch (spec.kind) {
    case kTextBox:
      return "<input" + open + BoxAttributes(spec) + ">";
    case kButton:
      return "<button" + open + Attribute("type", "button") + ">" + HtmlText(spec.caption) +
             "</button>";
    case kLine:
      return "<div" + open + Attribute("aria-hidden", "true") + "></div>";
    case kLabel:
      break;
  }
  return "<div" + open + ">" + HtmlText(spec.caption) + "</div>";
}

std::string Pixels(int value) { return std::to_string(value) + "px"; }

std::string ControlPlace(std::size_t index) {
  const PixelRect place = PixelRectOf(kControls.at(index));
  const NarrowPlace narrow = NarrowPlaceOf(index);
  return "#" + std::string(kControls.at(index).name) + "{--left:" + Pixels(place.left) +
         ";--top:" + Pixels(place.top) + ";--width:" + Pixels(place.width) +
         ";--height:" + Pixels(place.height) + ";--row:" + std::to_string(narrow.row) +
         ";--column:" + std::to_string(narrow.column) + ";--span:" + std::to_string(narrow.span) +
         "}\n";
}

}  // namespace

std::string HtmlText(std::string_view text) {
  std::string html;
  for (const char c : text) {
    switch (c) {
      case '&':
        html += "&amp;";
        break;
      case '<':
        html += "&lt;";
        break;
      case '>':
        html += "&gt;";
        break;
      case '"':
        html += "&quot;";
        break;
      default:
        html += c;
    }
  }
  return html;
}

std::string FormMarkup() {
  std::string form = "<div id=\"Form1\" class=\"form\">\n";
  for (std::size_t i = 0; i < kControls.size(); ++i) form += ControlMarkup(i) + "\n";
  return form + "</div>";
}

std::string FormPlaces() {
  std::string places = "html{--window:" + std::string(kWindowColour) +
                       ";font-family:" + CssFontFamilies() +
                       ";background:var(--window)}\nbody{font-size:" + Pixels(kFontPixels) +
                       "}\n.form{--width:" + Pixels(kClientPixelWidth) +
                       ";--height:" + Pixels(kClientPixelHeight) + "}\n";
  for (std::size_t i = 0; i < kControls.size(); ++i) places += ControlPlace(i);
  return places;
}

}  // namespace window
