// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "grading/sieve_sheet.h"

#include <gtest/gtest.h>

#include <string>

#include "grading/sieve_column.h"

namespace grading {
namespace {

TEST(SieveSheet, ResetEmptiesEveryField) {
  SieveSheet sheet;
  for (Field field : kAllFields) sheet.SetText(field, "x" + std::string(FieldName(field)));
  sheet.Reset();
  for (Field field : kAllFields) EXPECT_EQ(sheet.Text(field), "") << FieldName(field);
}

TEST(SieveSheet, FieldsHaveDistinctNamesThatReadBack) {
  for (Field field : kAllFields) EXPECT_EQ(FieldFromName(FieldName(field)), field);
  for (const char* unknown : {"", "S475", "s47", "s475 ", "Command1", "lsb"}) {
    EXPECT_FALSE(FieldFromName(unknown).has_value()) << unknown;
  }
}

// A column's fields are named after its aperture, point dropped, behind the
// row prefix: the window finds its boxes by these names.
TEST(SieveColumn, NamesFollowTheAperture) {
  for (const SieveColumn& column : kSieveColumns) {
    std::string digits(column.aperture);
    std::erase(digits, '.');
    EXPECT_EQ(FieldName(column.mass), "s" + digits);
    EXPECT_EQ(FieldName(column.partial), "sb" + digits);
    EXPECT_EQ(FieldName(column.cumulative), "lsb" + digits);
  }
}

TEST(ReadNumber, ConvertsWithoutTouchingTheText) {
  SieveSheet sheet;
  sheet.SetText(Field::s118, " １２．３ ");
  EXPECT_EQ(ReadNumber(sheet, Field::s118), 12.3f);
  EXPECT_EQ(sheet.Text(Field::s118), " １２．３ ");
}

TEST(ReadNumber, FailureNamesTheFieldAndTheProblem) {
  struct Row {
    Field field;
    std::string text;
    ConversionProblem problem;
  };
  for (const Row& row : {Row{Field::s236, "", ConversionProblem::kNotANumber},
                         Row{Field::s03, "12a", ConversionProblem::kNotANumber},
                         Row{Field::lsb06, "12,5", ConversionProblem::kForeignCharacter},
                         Row{Field::s015, "1e40", ConversionProblem::kOutOfRange}}) {
    SieveSheet sheet;
    sheet.SetText(row.field, row.text);
    try {
      ReadNumber(sheet, row.field);
      ADD_FAILURE() << row.text << " was read";
    } catch (const ConversionError& error) {
      EXPECT_EQ(error.field(), row.field);
      EXPECT_EQ(error.problem(), row.problem);
      EXPECT_EQ(sheet.Text(row.field), row.text);
    }
  }
}

TEST(WriteNumber, WritesTheDisplayForm) {
  SieveSheet sheet;
  sheet.SetText(Field::ms, "old text");
  WriteNumber(sheet, Field::ms, 12.3f);
  EXPECT_EQ(sheet.Text(Field::ms), "12.3");
  EXPECT_EQ(ReadNumber(sheet, Field::ms), 12.3f);
}

}  // namespace
}  // namespace grading
