// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>

namespace window {

// Where a control stands on a screen narrower than the window (a phone held
// upright): a grid of one sieve a line. Row 1 holds the three row headings
// above their columns; rows 2 to 7 the sieves, each with its aperture and
// its three boxes; then the class, the modulus and the loss on a line each
// with their captions; last the button across the width. The same
// controls, names and tab order as the window's; the apertures of the
// lower two rows and the lines are not shown.
struct NarrowPlace {
  int row = 0;  // 0: not shown
  int column = 0;
  int span = 1;  // columns taken
};

// The place of kControls[index], derived from the table: a label just
// before a text box is that box's caption, a label just before a caption
// is the heading of its box's row.
NarrowPlace NarrowPlaceOf(std::size_t index);

}  // namespace window
