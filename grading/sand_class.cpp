// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "grading/sand_class.h"

namespace grading {

std::optional<std::string_view> ClassOf(float modulus) {
  for (const SandClass& sand : kSandClasses) {
    if (sand.lower <= modulus && modulus <= sand.upper) return sand.text;
  }
  return std::nullopt;
}

}  // namespace grading
