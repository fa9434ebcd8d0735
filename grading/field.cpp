// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "grading/field.h"

namespace grading {
namespace {

constexpr std::array<std::string_view, kFieldCount> kNames = {
    "s475",   "s236",   "s118",  "s06",   "s03",    "s015",  "ss",
    "sb475",  "sb236",  "sb118", "sb06",  "sb03",   "sb015", "lsb475",
    "lsb236", "lsb118", "lsb06", "lsb03", "lsb015", "cx",    "ms"};

}  // namespace

std::string_view FieldName(Field field) { return kNames[Index(field)]; }

std::optional<Field> FieldFromName(std::string_view name) {
  for (Field field : kAllFields) {
    if (kNames[Index(field)] == name) return field;
  }
  return std::nullopt;
}

}  // namespace grading
