// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "window/web/app_manifest.h"

#include "window/messages.h"
#include "window/web/form_markup.h"
#include "window/web/page_json.h"

namespace window {
namespace {

constexpr std::string_view kDescription =
    "砂的筛分析：填入 4.75 至 0.15 mm 六个筛的筛余量，算出损失、筛余百分、累计筛余百分、"
    "细度模数和砂的粗细程度。";

std::string Member(std::string_view name, std::string_view value) {
  return JsonString(name) + ":" + JsonString(value);
}

std::string IconJson(const AppIcon& icon) {
  const std::string size = std::to_string(icon.size);
  return "{" + Member("src", icon.file) + "," + Member("sizes", size + "x" + size) + "," +
         Member("type", "image/png") + "," + Member("purpose", icon.purpose) + "}";
}

}  // namespace

std::string ManifestJson() {
  std::string icons;
  for (const AppIcon& icon : kAppIcons) {
    if (icon.purpose.empty()) continue;
    icons += (icons.empty() ? "" : ",") + IconJson(icon);
  }
  return "{" + Member("name", kTitle) + "," + Member("short_name", kTitle) + "," +
         Member("description", kDescription) + "," + Member("lang", "zh-CN") + "," +
         Member("dir", "ltr") + "," + Member("start_url", "./") + "," + Member("scope", "./") +
         "," + Member("display", "standalone") + "," + Member("background_color", kWindowColour) +
         "," + Member("theme_color", kWindowColour) + ",\"icons\":[" + icons + "]}";
}

}  // namespace window
