#include "toolkit/core/format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/support/case_names.h"

namespace korvanta {
namespace {

using testing::PrintTo;

struct FormatCase {
  const char* name;
  double value;
  const char* pattern;
  const char* text;
};

class FormatCases : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatCases, RendersThePattern) {
  const auto& c = GetParam();
  EXPECT_EQ(Format(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
}

constexpr const char* kEN = "-########.0000";
constexpr const char* kSD = "###0.00000";
const double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatCases,
    ::testing::Values(FormatCase{"WholeNumber", 110.0, kEN, "110.0000"},
                      FormatCase{"AnotherWholeNumber", 220.0, kEN, "220.0000"},
                      FormatCase{"ZeroToFiveDecimals", 0.0, kSD, "0.00000"},
                      FormatCase{"NegativeWithSign", -512.35, kEN, "-512.3500"},
                      FormatCase{"SixDigitsBeforeThePoint", 512345.67891, kEN, "512345.6789"},
                      // Digits beyond the pattern are rounded, not cut.
                      FormatCase{"RoundedToFourDecimals", 1.23456, kEN, "1.2346"},
                      FormatCase{"RoundedToFiveDecimals", 0.123456789, kSD, "0.12346"},
                      FormatCase{"TinyRoundedUp", 2.5e-5, kSD, "0.00003"},
                      // Wider than the pattern: every digit stays.
                      FormatCase{"WiderThanThePattern", 1234567890.5, kEN, "1234567890.5000"},
                      FormatCase{"WiderThanTheShortPattern", 123456.7, kSD, "123456.70000"},
                      // Between -1 and 1: one zero before the point.
                      FormatCase{"HalfWithOneZeroBeforeThePoint", 0.5, kEN, "0.5000"},
                      FormatCase{"NegativeFractionWithOneZeroBeforeThePoint", -0.25, kEN,
                                 "-0.2500"},
                      FormatCase{"ZeroToFourDecimals", 0.0, kEN, "0.0000"},
                      // Rounding to zero drops the sign.
                      FormatCase{"RoundedToZeroDropsTheSign", -0.00001, kEN, "0.0000"},
                      FormatCase{"NegativeZeroDropsTheSign", -0.0, kSD, "0.00000"},
                      // A negative value keeps its sign even where the pattern has no '-'.
                      FormatCase{"NegativeWithoutAMinusInThePattern", -1.5, kSD, "-1.50000"},
                      FormatCase{"Infinity", kInf, kEN, "Infinity"},
                      FormatCase{"NegativeInfinity", -kInf, kSD, "-Infinity"},
                      FormatCase{"NaN", std::numeric_limits<double>::quiet_NaN(), kEN, "NaN"},
                      FormatCase{"LargeValueRoundedDown", 5000000.00005, kEN, "5000000.0000"},
                      FormatCase{"RoundingCarriesIntoANewDigit", 99.99996, kEN, "100.0000"}),
    testing::ByName());

}  // namespace
}  // namespace korvanta
