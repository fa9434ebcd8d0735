// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "grading/sieve_column.h"
#include "window/control_table.h"

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

namespace narrow {
inline constexpr int kSieveRow = 2;   // the first sieve's line
inline constexpr int kBoxColumn = 2;  // the masses; the partial and cumulative follow
inline constexpr int kColumns = 4;    // the captions and the three boxes
inline constexpr int kSieves = static_cast<int>(grading::kSieveColumns.size());
inline constexpr int kSingleRow = kSieveRow + kSieves;  // the boxes of no sieve
inline constexpr int kButtonRow = kSingleRow + static_cast<int>(grading::kFieldCount) - 3 * kSieves;

// Where a field stands in the window's table: its sieve, and its row there
// (0 the masses, 1 partial, 2 cumulative); nothing for the boxes of no sieve.
struct TableCell {
  int sieve;
  int row;
};

constexpr std::optional<TableCell> CellOf(grading::Field field) {
  for (int sieve = 0; sieve < kSieves; ++sieve) {
    const grading::SieveColumn& column = grading::kSieveColumns.at(sieve);
    if (field == column.mass) return TableCell{sieve, 0};
    if (field == column.partial) return TableCell{sieve, 1};
    if (field == column.cumulative) return TableCell{sieve, 2};
  }
  return std::nullopt;
}

constexpr bool IsBox(std::size_t index) {
  return index < kControls.size() && kControls[index].kind == kTextBox;
}

constexpr NarrowPlace BoxPlace(std::size_t index) {
  if (const auto cell = CellOf(BoxField(kControls[index]))) {
    return {kSieveRow + cell->sieve, kBoxColumn + cell->row, 1};
  }
  // A line of its own, in the order of the table.
  int row = kSingleRow;
  for (std::size_t i = 0; i < index; ++i) {
    if (IsBox(i) && !CellOf(BoxField(kControls[i]))) ++row;
  }
  return {row, kBoxColumn, kColumns - 1};
}

constexpr NarrowPlace LabelPlace(std::size_t index) {
  if (IsBox(index + 1)) {  // a caption; a sieve's aperture once, beside its mass
    const auto cell = CellOf(BoxField(kControls[index + 1]));
    if (cell && cell->row > 0) return {};
    return {BoxPlace(index + 1).row, 1, 1};
  }
  if (IsBox(index + 2) && CellOf(BoxField(kControls[index + 2]))) {  // a row's heading
    return {1, BoxPlace(index + 2).column, 1};
  }
  return {};
}

}  // namespace narrow

// The place of kControls[index], derived from the table: a label just
// before a text box is that box's caption, a label just before a caption
// is the heading of its box's row.
namespace narrow {

constexpr NarrowPlace PlaceOf(std::size_t index) {
  switch (kControls.at(index).kind) {
    case kTextBox:
      return BoxPlace(index);
    case kLabel:
      return LabelPlace(index);
    case kButton:
      return {kButtonRow, 1, kColumns};
    case kLine:
      break;
  }
  return {};
}

}  // namespace narrow

// Every control's place, worked out once, when compiled.
inline constexpr std::array<NarrowPlace, kControls.size()> kNarrowPlaces = [] {
  std::array<NarrowPlace, kControls.size()> places{};
  for (std::size_t i = 0; i < kControls.size(); ++i) places.at(i) = narrow::PlaceOf(i);
  return places;
}();

constexpr NarrowPlace NarrowPlaceOf(std::size_t index) { return kNarrowPlaces.at(index); }

// Checked when compiled, as the table is: 34 controls shown, no two in
// one cell, the three row headings above their columns and each sieve's
// aperture beside its mass.
namespace narrow_check {

constexpr int Shown() {
  int shown = 0;
  for (std::size_t i = 0; i < kControls.size(); ++i) shown += NarrowPlaceOf(i).row > 0;
  return shown;
}

constexpr bool CellsAreDistinct() {
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    for (std::size_t j = i + 1; j < kControls.size(); ++j) {
      const NarrowPlace a = NarrowPlaceOf(i);
      const NarrowPlace b = NarrowPlaceOf(j);
      if (a.row == 0 || b.row == 0 || a.row != b.row) continue;
      if (a.column < b.column + b.span && b.column < a.column + a.span) return false;
    }
  }
  return true;
}

// A label at (row, column) with that caption.
constexpr bool LabelAt(int row, int column, std::string_view caption) {
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    const NarrowPlace place = NarrowPlaceOf(i);
    if (kControls[i].kind == kLabel && place.row == row && place.column == column) {
      return kControls[i].caption == caption;
    }
  }
  return false;
}

constexpr bool HeadingsArePresent() {
  constexpr std::string_view kApertures[] = {"4.75", "2.36", "1.18", "0.6", "0.3", "0.15"};
  bool present = LabelAt(1, narrow::kBoxColumn, "筛余量") &&
                 LabelAt(1, narrow::kBoxColumn + 1, "筛余百分") &&
                 LabelAt(1, narrow::kBoxColumn + 2, "累计筛余百分");
  for (int sieve = 0; sieve < narrow::kSieves; ++sieve) {
    present = present && LabelAt(narrow::kSieveRow + sieve, 1, kApertures[sieve]);
  }
  return present;
}

static_assert(Shown() == 34, "the narrow layout shows 34 controls");
static_assert(CellsAreDistinct(), "two controls of the narrow layout share a cell");
static_assert(HeadingsArePresent(), "a heading of the narrow layout is missing or misplaced");

}  // namespace narrow_check

}  // namespace window
