// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "window/web/page_json.h"

namespace window {
namespace {

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

std::string Names(const std::bitset<grading::kFieldCount>& fields) {
  std::string names;
  for (grading::Field field : grading::kAllFields) {
    if (!fields[grading::Index(field)]) continue;
    names += (names.empty() ? "" : ",") + JsonString(grading::FieldName(field));
  }
  return "[" + names + "]";
}

}  // namespace

std::string JsonString(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string json = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (byte < 0x20) {
      json += "\\u00";
      json += kHex[byte >> 4U];
      json += kHex[byte & 0xFU];
    } else {
      json += c;
    }
  }
  return json + '"';
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
