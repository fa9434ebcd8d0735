// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT
// The input, split at newlines, fills the 21 fields in order; then Calculate.
// The run ends in one of its four ways, never changes the six masses,
// changes nothing when Incomplete or on a ConversionError, leaves readable
// numbers after Done, and a second run gives the same texts.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "grading/calculate.h"
#include "grading/number_text.h"
#include "grading/sand_class.h"
#include "grading/sieve_column.h"

namespace {

using grading::Field;

enum class End { kDone, kIncomplete, kConversion, kArithmetic };

End Run(grading::SieveSheet& sheet) {
  try {
    return grading::Calculate(sheet) == grading::CalcOutcome::Done ? End::kDone : End::kIncomplete;
  } catch (const grading::ConversionError&) {
    return End::kConversion;
  } catch (const grading::ArithmeticError&) {
    return End::kArithmetic;
  }
}

bool Same(const grading::SieveSheet& a, const grading::SieveSheet& b) {
  for (Field field : grading::kAllFields) {
    if (a.Text(field) != b.Text(field)) return false;
  }
  return true;
}

bool Readable(const grading::SieveSheet& sheet, Field field) {
  return grading::ParseNumber(sheet.Text(field)).status == grading::ParseStatus::kOk;
}

bool IsClassText(std::string_view text) {
  if (text.empty()) return true;
  for (const grading::SandClass& sand : grading::kSandClasses) {
    if (sand.text == text) return true;
  }
  return false;
}

void CheckDone(const grading::SieveSheet& sheet) {
  for (const grading::SieveColumn& column : grading::kSieveColumns) {
    if (!Readable(sheet, column.partial) || !Readable(sheet, column.cumulative)) std::abort();
  }
  if (!Readable(sheet, Field::ss) || !Readable(sheet, Field::ms)) std::abort();
  if (!IsClassText(sheet.Text(Field::cx))) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  grading::SieveSheet sheet;
  for (Field field : grading::kAllFields) {
    std::size_t end = input.find('\n');
    sheet.SetText(field, std::string(input.substr(0, end)));
    input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
  }
  const grading::SieveSheet before = sheet;
  const End end = Run(sheet);
  for (const grading::SieveColumn& column : grading::kSieveColumns) {
    if (sheet.Text(column.mass) != before.Text(column.mass)) std::abort();
  }
  if ((end == End::kIncomplete || end == End::kConversion) && !Same(sheet, before)) std::abort();
  if (end == End::kDone) CheckDone(sheet);

  grading::SieveSheet again = sheet;
  if (Run(again) != end || !Same(again, sheet)) std::abort();
  return 0;
}
