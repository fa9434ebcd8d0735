// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace grading {

// A range of the fineness modulus; both bounds belong to it.
struct SandClass {
  float lower;
  float upper;
  std::string_view text;  // written to cx as it stands
};

// Tested in this order. The bounds are the binary32 values nearest the
// decimals (3.7f is 3.70000005), so a modulus of 3.0000002 is not medium.
inline constexpr std::array<SandClass, 4> kSandClasses = {{
    {3.1f, 3.7f, "粗砂，平均粒径为o．5mm以上"},
    {2.3f, 3.0f, "中砂，平均粒径为o．5—0．35mm"},
    {1.6f, 2.2f, "细砂，平均粒径为0．35—0．25mm"},
    {0.7f, 1.5f, "特细砂，平均粒径为o．25mm以下"},
}};

// The text of the first class whose range holds the modulus, if any.
std::optional<std::string_view> ClassOf(float modulus);

}  // namespace grading
