// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QFont>
#include <QMap>

namespace window {

// Qt centres a box's line (ascent and descent), not its ink, and a CJK face
// keeps room above its tallest glyphs; how much differs between Qt 5 and
// Qt 6. In boxes a line and a bit high, its descenders would sit on the
// bottom frame. This finds, for each height of box, the top margin that
// centres the ink of the tallest and deepest glyphs a box may show: the
// paper from a box of that height, the ink from one taller, so that no
// glyph is cut where it is measured, each with its line set to the top
// (where each pixel of margin moves the text by one pixel).
class InkCentring {
 public:
  explicit InkCentring(const QFont& font) : font_(font) {}

  // The top margin for a top-aligned box `height` pixels high.
  int TopMargin(int height);

 private:
  const QFont font_;
  QMap<int, int> margins_;  // by height
};

}  // namespace window
