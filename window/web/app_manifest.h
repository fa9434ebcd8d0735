// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <string>
#include <string_view>

namespace window {

// An icon of the installed page, drawn from the program's icon art
// (window/icons/render.sh): its file, its size in pixels, and what the
// manifest says it is for ("any", "maskable"); Apple's home screen takes
// its own, which no manifest lists.
struct AppIcon {
  std::string_view file;
  int size;
  std::string_view purpose;
};

inline constexpr std::array<AppIcon, 4> kAppIcons = {{
    {"vellacor-192.png", 192, "any"},
    {"vellacor-512.png", 512, "any"},
    {"vellacor-maskable-512.png", 512, "maskable"},
    {"apple-touch-icon.png", 180, ""},
}};

// Apple's icon: the one the manifest does not list.
constexpr std::string_view AppleTouchIcon() {
  for (const AppIcon& icon : kAppIcons) {
    if (icon.purpose.empty()) return icon.file;
  }
  return {};
}

// The web app manifest of the page served as an app: the program's name,
// in Chinese what it does, its folder as its start and its scope (so the
// folder works under any path), a window of its own, the window's colour
// and the icons: a JSON object, which the page's builder writes out.
std::string ManifestJson();

}  // namespace window
