// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace grading {

// The 21 fields of the sheet, in the order Reset empties them, each once:
// the enum and the names, as the window's boxes carry them, are made from
// this list.
// clang-format off
#define VELLACOR_FIELDS(X)                                    \
  X(s475) X(s236) X(s118) X(s06) X(s03) X(s015) X(ss)         \
  X(sb475) X(sb236) X(sb118) X(sb06) X(sb03) X(sb015)         \
  X(lsb475) X(lsb236) X(lsb118) X(lsb06) X(lsb03) X(lsb015)   \
  X(cx) X(ms)
// clang-format on

#define VELLACOR_FIELD_ENUM(name) name,
enum class Field { VELLACOR_FIELDS(VELLACOR_FIELD_ENUM) };
#undef VELLACOR_FIELD_ENUM

#define VELLACOR_FIELD_NAME(name) #name,
inline constexpr auto kFieldNames =
    std::to_array<std::string_view>({VELLACOR_FIELDS(VELLACOR_FIELD_NAME)});
#undef VELLACOR_FIELD_NAME

inline constexpr std::size_t kFieldCount = kFieldNames.size();

inline constexpr std::size_t Index(Field field) { return static_cast<std::size_t>(field); }

// Every field once, in declaration order.
inline constexpr std::array<Field, kFieldCount> kAllFields = [] {
  std::array<Field, kFieldCount> fields{};
  for (std::size_t i = 0; i < kFieldCount; ++i) fields[i] = static_cast<Field>(i);
  return fields;
}();

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
