// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace grading {

// The 21 fields of the sheet, in the order Reset empties them.
// clang-format off
enum class Field {
  s475, s236, s118, s06, s03, s015, ss,
  sb475, sb236, sb118, sb06, sb03, sb015,
  lsb475, lsb236, lsb118, lsb06, lsb03, lsb015, cx, ms
};
// clang-format on

inline constexpr std::size_t kFieldCount = 21;

inline constexpr std::size_t Index(Field field) { return static_cast<std::size_t>(field); }

// Every field once, in declaration order.
inline constexpr std::array<Field, kFieldCount> kAllFields = [] {
  std::array<Field, kFieldCount> fields{};
  for (std::size_t i = 0; i < kFieldCount; ++i) fields[i] = static_cast<Field>(i);
  return fields;
}();

// The names of the fields, in the order of Field, as the window's boxes
// carry them.
inline constexpr std::array<std::string_view, kFieldCount> kFieldNames = {
    "s475",   "s236",   "s118",  "s06",   "s03",    "s015",  "ss",
    "sb475",  "sb236",  "sb118", "sb06",  "sb03",   "sb015", "lsb475",
    "lsb236", "lsb118", "lsb06", "lsb03", "lsb015", "cx",    "ms"};

// The field's name ("s475", "ms", ...).
constexpr std::string_view FieldName(Field field) { return kFieldNames[Index(field)]; }

// The field of that name, or nothing when no field is called so. constexpr,
// so that the window's table of controls is checked against the fields
// when it is compiled.
constexpr std::optional<Field> FieldFromName(std::string_view name) {
  for (Field field : kAllFields) {
    if (FieldName(field) == name) return field;
  }
  return std::nullopt;
}

}  // namespace grading
