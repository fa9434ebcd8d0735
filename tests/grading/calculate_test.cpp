// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "grading/calculate.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "grading/sand_class.h"
#include "grading/sieve_column.h"

namespace grading {
namespace {

using Six = std::array<std::string, 6>;

const std::string kCoarse(kSandClasses[0].text);
const std::string kMedium(kSandClasses[1].text);
const std::string kFine(kSandClasses[2].text);
const std::string kExtraFine(kSandClasses[3].text);

// A sheet whose every field holds a text of its own, so that any field a
// run writes, or fails to write, shows.
SieveSheet Marked() {
  SieveSheet sheet;
  for (Field field : kAllFields) sheet.SetText(field, "old " + std::string(FieldName(field)));
  sheet.SetText(Field::cx, kCoarse);  // as after an earlier coarse sample
  return sheet;
}

SieveSheet WithMasses(const Six& masses) {
  SieveSheet sheet = Marked();
  for (std::size_t i = 0; i < masses.size(); ++i) sheet.SetText(kSieveColumns[i].mass, masses[i]);
  return sheet;
}

struct Sample {
  const char* name;
  Six masses;
  std::string loss;
  Six partial;  // all empty: not checked
  Six cumulative;
  std::string ms;
  std::string cx;
  friend void PrintTo(const Sample& sample, std::ostream* out) { *out << sample.name; }
};

class Samples : public testing::TestWithParam<Sample> {};

TEST_P(Samples, FillTheGradingTable) {
  const Sample& sample = GetParam();
  SieveSheet sheet = WithMasses(sample.masses);
  ASSERT_EQ(Calculate(sheet), CalcOutcome::Done);
  EXPECT_EQ(sheet.Text(Field::ss), sample.loss);
  for (std::size_t i = 0; i < kSieveColumns.size(); ++i) {
    const SieveColumn& column = kSieveColumns[i];
    EXPECT_EQ(sheet.Text(column.mass), sample.masses[i]) << "inputs stay as typed";
    if (!sample.partial[0].empty()) {
      EXPECT_EQ(sheet.Text(column.partial), sample.partial[i]);
    }
    EXPECT_EQ(sheet.Text(column.cumulative), sample.cumulative[i]) << column.aperture;
  }
  EXPECT_EQ(sheet.Text(Field::ms), sample.ms);
  EXPECT_EQ(sheet.Text(Field::cx), sample.cx);

  SieveSheet again = sheet;
  ASSERT_EQ(Calculate(again), CalcOutcome::Done);
  for (Field field : kAllFields) EXPECT_EQ(again.Text(field), sheet.Text(field)) << "rerun";
}

// Masses in column order, then the loss, partial (empty: not checked) and
// cumulative texts, ms and cx.
// clang-format off
const Sample kSamples[] = {
    {"Worked", {"20", "80", "100", "100", "75", "85"}, "40",
     {"4", "16", "20", "20", "15", "17"}, {"4", "20", "40", "60", "75", "92"}, "2.78125", kMedium},
    {"SinglePrecisionLoss", {"12.3", "45.6", "78.9", "101.1", "122.2", "99.9"}, "40.00001",
     {"2.46", "9.12", "15.78", "20.22", "24.44", "19.98"},
     {"2.46", "11.58", "27.36", "47.58", "72.02", "92"}, "2.442485", kMedium},
    {"AllZero", {"0", "0", "0", "0", "0", "0"}, "500",
     {"0", "0", "0", "0", "0", "0"}, {"0", "0", "0", "0", "0", "0"}, "0", ""},
    {"Coarse", {"25", "125", "125", "100", "75", "45"}, "5",
     {}, {"5", "30", "55", "75", "90", "99"}, "3.410526", kCoarse},
    {"Fine", {"0", "25", "50", "100", "150", "150"}, "25",
     {}, {"0", "5", "15", "35", "65", "95"}, "2.15", kFine},
    {"ExtraFine", {"0", "5", "10", "25", "100", "300"}, "60",
     {}, {"0", "1", "3", "8", "28", "88"}, "1.28", kExtraFine},
    {"UpperBoundOfCoarse", {"0", "175", "125", "100", "75", "25"}, "0",
     {}, {"0", "35", "60", "80", "95", "100"}, "3.7", kCoarse},
    // Outside every range the class is emptied, not left from before.
    {"GapAboveMedium", {"0", "50", "150", "175", "50", "50"}, "25",
     {}, {"0", "10", "40", "75", "85", "95"}, "3.05", ""},
    // M is 3.0000002 and 1.5999999: shown as 3 and 1.6, yet in no range.
    {"JustAboveMedium", {"105.1", "32.9", "141.5", "68.6", "109.3", "29.8"}, "12.79999",
     {}, {"21.02", "27.6", "55.9", "69.62", "91.48", "97.44"}, "3", ""},
    {"JustBelowFine", {"38", "46.6", "14.1", "76.4", "79.5", "61.6"}, "183.8",
     {}, {"7.6", "16.92", "19.74", "35.02", "50.92", "63.24"}, "1.6", ""},
    {"OverFull", {"550", "50", "0", "0", "0", "0"}, "-100",
     {"110", "10", "0", "0", "0", "0"}, {"110", "120", "120", "120", "120", "120"}, "-5", ""},
    {"BlanksAndFullwidth", {" 20", "８０", "100\u3000", "+100", "7.5e1", "８５"}, "40",
     {"4", "16", "20", "20", "15", "17"}, {"4", "20", "40", "60", "75", "92"}, "2.78125", kMedium},
    // As typed in Chinese punctuation mode: 。 is the point.
    {"IdeographicFullStop", {"12。3", "45.6", "78.9", "101.1", "122.2", "99.9"}, "40.00001",
     {"2.46", "9.12", "15.78", "20.22", "24.44", "19.98"},
     {"2.46", "11.58", "27.36", "47.58", "72.02", "92"}, "2.442485", kMedium},
    {"NegativeMass", {"-20", "80", "100", "100", "75", "85"}, "80",
     {"-4", "16", "20", "20", "15", "17"}, {"-4", "12", "32", "52", "67", "84"}, "2.567308", kMedium},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Grading, Samples, testing::ValuesIn(kSamples),
                         [](const testing::TestParamInfo<Sample>& info) {
                           return std::string(info.param.name);
                         });

TEST(Calculate, AnyEmptyInputIsIncompleteAndChangesNothing) {
  for (const SieveColumn& empty : kSieveColumns) {
    SieveSheet sheet = WithMasses({"20", "80", "100", "100", "75", "85"});
    sheet.SetText(empty.mass, "");
    const SieveSheet before = sheet;
    EXPECT_EQ(Calculate(sheet), CalcOutcome::Incomplete);
    for (Field field : kAllFields) EXPECT_EQ(sheet.Text(field), before.Text(field));
  }
  SieveSheet fresh;
  EXPECT_EQ(Calculate(fresh), CalcOutcome::Incomplete);
}

TEST(Calculate, TypedLossIsNeverReadAndIsOverwritten) {
  SieveSheet sheet = WithMasses({"20", "80", "100", "100", "75", "85"});
  sheet.SetText(Field::ss, "not a number at all");
  EXPECT_EQ(Calculate(sheet), CalcOutcome::Done);
  EXPECT_EQ(sheet.Text(Field::ss), "40");
}

enum class Kind { kConversion, kArithmetic };

struct Failure {
  const char* name;
  Six masses;
  Kind kind;
  Field field;         // the field that failed to read, or was being computed
  int problem;         // ConversionProblem or ArithmeticFault
  bool table_written;  // ss, sb* and lsb* hold new texts; ms and cx never do
  friend void PrintTo(const Failure& failure, std::ostream* out) { *out << failure.name; }
};

class Failures : public testing::TestWithParam<Failure> {};

TEST_P(Failures, StopAtTheFailingStep) {
  const Failure& failure = GetParam();
  SieveSheet sheet = WithMasses(failure.masses);
  const SieveSheet before = sheet;
  try {
    Calculate(sheet);
    ADD_FAILURE() << "no error";
  } catch (const ConversionError& error) {
    EXPECT_EQ(failure.kind, Kind::kConversion);
    EXPECT_EQ(error.field(), failure.field) << error.what();
    EXPECT_EQ(static_cast<int>(error.problem()), failure.problem);
  } catch (const ArithmeticError& error) {
    EXPECT_EQ(failure.kind, Kind::kArithmetic);
    EXPECT_EQ(error.field(), failure.field) << error.what();
    EXPECT_EQ(static_cast<int>(error.fault()), failure.problem);
  }
  for (Field field : kAllFields) {
    bool in_table = field != Field::ms && field != Field::cx && Index(field) >= Index(Field::ss);
    bool changed = sheet.Text(field) != before.Text(field);
    EXPECT_EQ(changed, failure.table_written && in_table) << FieldName(field);
  }
}

constexpr int kNotANumber = static_cast<int>(ConversionProblem::kNotANumber);
constexpr int kForeign = static_cast<int>(ConversionProblem::kForeignCharacter);
constexpr int kOutOfRange = static_cast<int>(ConversionProblem::kOutOfRange);
constexpr int kOverflow = static_cast<int>(ArithmeticFault::kOverflow);
constexpr int kByZero = static_cast<int>(ArithmeticFault::kDivisionByZero);
constexpr int kInvalid = static_cast<int>(ArithmeticFault::kInvalid);

// clang-format off
const Failure kFailures[] = {
    {"Blank", {" ", "80", "100", "100", "75", "85"}, Kind::kConversion, Field::s475, kNotANumber, false},
    {"FirstBadInputInColumnOrder", {"20", "80", "1,5", "100", "x", "85"},
     Kind::kConversion, Field::s118, kForeign, false},
    {"OutOfRange", {"20", "1e39", "100", "100", "75", "85"}, Kind::kConversion, Field::s236, kOutOfRange, false},
    // The second subtraction overflows before the third text is read.
    {"LossOverflowsBeforeLaterInput", {"3e38", "3e38", "x", "0", "0", "0"},
     Kind::kArithmetic, Field::ss, kOverflow, false},
    {"AllOnTheCoarsestSieve", {"500", "0", "0", "0", "0", "0"}, Kind::kArithmetic, Field::ms, kInvalid, true},
    {"HundredPercentOnTheCoarsestSieve", {"500", "10", "0", "0", "0", "0"},
     Kind::kArithmetic, Field::ms, kByZero, true},
    {"ModulusSumOverflows", {"-3.4e38", "3.4e38", "3.4e38", "0", "0", "0"},
     Kind::kArithmetic, Field::ms, kOverflow, true},
    {"ModulusQuotientOverflows", {"499.9999", "1e36", "0", "0", "0", "0"},
     Kind::kArithmetic, Field::ms, kOverflow, true},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Grading, Failures, testing::ValuesIn(kFailures),
                         [](const testing::TestParamInfo<Failure>& info) {
                           return std::string(info.param.name);
                         });

TEST(SandClass, BoundsBelongToTheirRange) {
  for (const SandClass& sand : kSandClasses) {
    EXPECT_EQ(ClassOf(sand.lower), sand.text);
    EXPECT_EQ(ClassOf(sand.upper), sand.text);
    EXPECT_NE(ClassOf(std::nextafter(sand.lower, 0.0f)), sand.text);
    EXPECT_NE(ClassOf(std::nextafter(sand.upper, 10.0f)), sand.text);
  }
  EXPECT_FALSE(ClassOf(0.6999999f).has_value());
  EXPECT_FALSE(ClassOf(3.7000003f).has_value());
}

// The ranges and texts as a user reads them, written out here rather than
// taken from the table they check: a moved bound or a changed letter shows.
TEST(SandClass, EachBoundHoldsAndTheNextFloatBeyondDoesNot) {
  const std::string coarse = "粗砂，平均粒径为o．5mm以上";
  const std::string medium = "中砂，平均粒径为o．5—0．35mm";
  const std::string fine = "细砂，平均粒径为0．35—0．25mm";
  const std::string extra_fine = "特细砂，平均粒径为o．25mm以下";
  struct Row {
    float modulus;
    std::string text;
  };
  const Row rows[] = {
      {3.7000003f, ""}, {3.7f, coarse},     {3.1f, coarse},     {3.0999997f, ""},
      {3.0000002f, ""}, {3.0f, medium},     {2.3f, medium},     {2.2999997f, ""},
      {2.2000003f, ""}, {2.2f, fine},       {1.6f, fine},       {1.5999999f, ""},
      {1.5000001f, ""}, {1.5f, extra_fine}, {0.7f, extra_fine}, {0.6999999f, ""},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ClassOf(row.modulus).value_or(""), row.text) << row.modulus;
  }
  // The moduli beyond the bounds are the very next floats.
  EXPECT_EQ(std::nextafter(3.7f, 4.0f), 3.7000003f);
  EXPECT_EQ(std::nextafter(3.1f, 0.0f), 3.0999997f);
  EXPECT_EQ(std::nextafter(1.6f, 0.0f), 1.5999999f);
  EXPECT_EQ(std::nextafter(0.7f, 0.0f), 0.6999999f);
}

}  // namespace
}  // namespace grading
