// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace grading {

// The standard library's conversions, which the program's own are checked
// against: to_chars and from_chars where the library has them for float
// (GCC 11 and later, MinGW-w64's), else the C library's %.7g and strtof,
// which glibc rounds exactly, in the "C" locale a test runs in.
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
inline std::string ReferenceForm(float value) {
  char buffer[32];
  auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
  return std::string(buffer, end.ptr);
}

inline float ReferenceValue(const std::string& text) {
  float value = 0.0f;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}
#else
inline std::string ReferenceForm(float value) {
  char buffer[32];
  const int length = std::snprintf(buffer, sizeof buffer, "%.7g", static_cast<double>(value));
  return std::string(buffer, static_cast<std::size_t>(length));
}

inline float ReferenceValue(const std::string& text) { return std::strtof(text.c_str(), nullptr); }
#endif

}  // namespace grading
