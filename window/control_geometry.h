// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include "window/control_table.h"

namespace window {

// The height a control is drawn in, in twips: a line, 0 high in the
// table, is one pixel thick.
constexpr int DrawnHeight(const ControlSpec& spec) {
  return spec.kind == kLine ? kTwipsPerPixel : spec.height;
}

// A control's place in the pixels of the layout's 96 dpi.
struct PixelRect {
  int left;
  int top;
  int width;
  int height;
};

constexpr PixelRect PixelRectOf(const ControlSpec& spec) {
  return {spec.left / kTwipsPerPixel, spec.top / kTwipsPerPixel, spec.width / kTwipsPerPixel,
          DrawnHeight(spec) / kTwipsPerPixel};
}

inline constexpr int kClientPixelWidth = kClientWidth / kTwipsPerPixel;
inline constexpr int kClientPixelHeight = kClientHeight / kTwipsPerPixel;

}  // namespace window
