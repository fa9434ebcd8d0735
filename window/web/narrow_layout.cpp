// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "window/web/narrow_layout.h"

#include <optional>

#include "grading/sieve_column.h"
#include "window/control_table.h"

namespace window {
namespace {

constexpr int kSieveRow = 2;   // the first sieve's line
constexpr int kBoxColumn = 2;  // the masses; the partial and cumulative follow
constexpr int kColumns = 4;    // the captions and the three boxes
constexpr int kSieves = static_cast<int>(grading::kSieveColumns.size());
constexpr int kSingleRow = kSieveRow + kSieves;  // the boxes of no sieve
constexpr int kButtonRow = kSingleRow + static_cast<int>(grading::kFieldCount) - 3 * kSieves;

// Where a field stands in the window's table: its sieve, and its row there
// (0 the masses, 1 partial, 2 cumulative); nothing for the boxes of no sieve.
struct TableCell {
  int sieve;
  int row;
};

std::optional<TableCell> CellOf(grading::Field field) {
  for (int sieve = 0; sieve < kSieves; ++sieve) {
    const grading::SieveColumn& column = grading::kSieveColumns.at(sieve);
    if (field == column.mass) return TableCell{sieve, 0};
    if (field == column.partial) return TableCell{sieve, 1};
    if (field == column.cumulative) return TableCell{sieve, 2};
  }
  return std::nullopt;
}

bool IsBox(std::size_t index) {
  return index < kControls.size() && kControls[index].kind == kTextBox;
}

NarrowPlace BoxPlace(std::size_t index) {
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

NarrowPlace LabelPlace(std::size_t index) {
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

}  // namespace

NarrowPlace NarrowPlaceOf(std::size_t index) {
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

}  // namespace window
