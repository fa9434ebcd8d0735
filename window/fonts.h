// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <string>
#include <string_view>

namespace window {

// The window's text: 9 points at the layout's 96 dpi, 12 pixels, in the
// Simplified Chinese dialog faces the 17 to 19 px boxes were drawn for.
inline constexpr int kFontPoints = 9;
inline constexpr int kFontPixels = 12;

// Windows' dialog face since XP, whose line is one em high.
inline constexpr std::string_view kWindowsFace = "SimSun";
// Linux's, first found first: WenQuanYi Micro Hei, whose line is about one
// em; Noto Sans CJK SC and Source Han Sans SC, the same face by two names;
// WenQuanYi Zen Hei, whose digits leave the captions room in their labels.
inline constexpr std::array<std::string_view, 4> kLinuxFaces = {
    "WenQuanYi Micro Hei", "Noto Sans CJK SC", "Source Han Sans SC", "WenQuanYi Zen Hei"};
// Apple's.
inline constexpr std::string_view kAppleFace = "PingFang SC";

// Every desk's faces in one CSS font-family list, for the page: Windows',
// Linux's, Apple's, then the browser's own sans-serif.
inline std::string CssFontFamilies() {
  std::string families = "\"" + std::string(kWindowsFace) + "\"";
  for (std::string_view face : kLinuxFaces) families += ", \"" + std::string(face) + "\"";
  return families + ", \"" + std::string(kAppleFace) + "\", sans-serif";
}

}  // namespace window
