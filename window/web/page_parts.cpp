// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT
// Run when the page is built (under Node): what the page takes from the
// program, as one JSON object for assemble_page.js. The form's markup and
// places, its texts (as markup), the width below which the narrow layout
// applies and its columns of boxes, and the served app's manifest and
// icons.

#include <cstdio>
#include <string>
#include <string_view>

#include "window/control_geometry.h"
#include "window/messages.h"
#include "window/web/app_manifest.h"
#include "window/web/form_markup.h"
#include "window/web/narrow_layout.h"
#include "window/web/page_json.h"

namespace {

std::string IconsJson() {
  std::string icons;
  for (const window::AppIcon& icon : window::kAppIcons) {
    icons += (icons.empty() ? "" : ",") + window::JsonString(icon.file);
  }
  return "[" + icons + "]";
}

// A text of the program as the page's markup carries it.
std::string Html(std::string_view text) { return window::JsonString(window::HtmlText(text)); }

}  // namespace

int main() {
  using window::JsonString;
  const std::string parts =
      "{\"title\":" + Html(window::kTitle) + ",\"ok\":" + Html(window::kOkCaption) +
      ",\"couldNotRun\":" + Html(window::kCouldNotRunMessage) +
      ",\"narrowMax\":" + std::to_string(window::kClientPixelWidth - 1) +
      ",\"boxColumns\":" + std::to_string(window::narrow::kColumns - 1) +
      ",\"form\":" + JsonString(window::FormMarkup()) +
      ",\"places\":" + JsonString(window::FormPlaces()) +
      ",\"manifest\":" + window::ManifestJson() + ",\"icons\":" + IconsJson() +
      ",\"appleTouchIcon\":" + JsonString(window::AppleTouchIcon()) + "}\n";
  return std::fputs(parts.c_str(), stdout) < 0 ? 1 : 0;
}
