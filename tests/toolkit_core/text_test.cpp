#include "toolkit/core/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/support/case_names.h"

namespace korvanta {
namespace {

using testing::PrintTo;

TEST(Split, KeepsEmptyFieldsAndBlanks) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Split("P1, 10,20", ","), (V{"P1", " 10", "20"}));
  EXPECT_EQ(Split("a,,b,", ","), (V{"a", "", "b", ""}));
  EXPECT_EQ(Split("", ","), (V{""}));
  EXPECT_EQ(Split("abc", ","), (V{"abc"}));
}

struct NumberCase {
  const char* name;
  const char* text;
  bool is_number;
  double value;
};

class ParseNumberCases : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ParseNumberCases, AcceptsDecimalNumbersOnly) {
  const auto& c = GetParam();
  const auto parsed = ParseNumber(c.text);
  ASSERT_EQ(parsed.has_value(), c.is_number) << c.text;
  if (c.is_number) {
    EXPECT_EQ(*parsed, c.value) << c.text;
  }
  EXPECT_EQ(StringToDouble(c.text), c.is_number ? c.value : 0.0) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseNumberCases,
    ::testing::Values(
        NumberCase{"Decimal", "512.35", true, 512.35}, NumberCase{"Negative", "-3.0", true, -3.0},
        NumberCase{"BlankBefore", " 10", true, 10.0},
        NumberCase{"TabBeforeAndBlankAfter", "\t10 ", true, 10.0},
        NumberCase{"PlusSign", "+7", true, 7.0},
        NumberCase{"NoDigitBeforeThePoint", ".5", true, 0.5},
        NumberCase{"NoDigitAfterThePoint", "5.", true, 5.0},
        NumberCase{"Exponent", "1e3", true, 1000.0},
        NumberCase{"CapitalNegativeExponent", "2.5E-2", true, 0.025},
        NumberCase{"LargeDecimal", "5000000.123", true, 5000000.123},
        NumberCase{"Empty", "", false, 0}, NumberCase{"OnlyBlanks", "   ", false, 0},
        NumberCase{"Letters", "abc", false, 0}, NumberCase{"TwoPoints", "1.2.3", false, 0},
        NumberCase{"Inf", "inf", false, 0}, NumberCase{"Nan", "nan", false, 0},
        NumberCase{"InfinityWord", "Infinity", false, 0},
        NumberCase{"Hexadecimal", "0x10", false, 0}, NumberCase{"DecimalComma", "1,5", false, 0},
        NumberCase{"ExponentWithoutDigits", "1e", false, 0},
        NumberCase{"TooLarge", "1e400", false, 0},
        NumberCase{"TooLargeNegative", "-1e400", false, 0},
        NumberCase{"TooLargeWithManyDigits", "10000000000e300", false, 0},
        NumberCase{"TwoMinusSigns", "--1", false, 0},
        // Too small for a double: its nearest double, 0. A subnormal value
        // stays itself.
        NumberCase{"TooSmall", "1e-400", true, 0.0},
        NumberCase{"TooSmallNegative", "-1e-400", true, -0.0},
        NumberCase{"TooSmallWithManyDigits", "123456e-330", true, 0.0},
        NumberCase{"ExponentBeyondAnyInteger", "0.000001e-99999999999999999", true, 0.0},
        NumberCase{"Subnormal", "4e-320", true, 4e-320},
        NumberCase{"ZeroWithAHugeExponent", "0e999999", true, 0.0},
        NumberCase{"PlusThenMinus", "+-1", false, 0}, NumberCase{"BlankInside", "1 2", false, 0},
        NumberCase{"OnlyAPoint", ".", false, 0}, NumberCase{"OnlyAMinus", "-", false, 0}),
    testing::ByName());

TEST(ParseNumber, ATooSmallValueKeepsItsSignAndATooLargeOneIsStillADecimal) {
  EXPECT_TRUE(std::signbit(*ParseNumber("-1e-400")));
  EXPECT_FALSE(std::signbit(*ParseNumber("1e-400")));
  for (const char* text : {"1e400", " -2.5e309 ", "1e-400", "7"}) {
    EXPECT_TRUE(IsDecimalNumber(text)) << text;
  }
  for (const char* text : {"inf", "1e", "abc", ""}) EXPECT_FALSE(IsDecimalNumber(text)) << text;
}

TEST(StringToInteger, ReadsDecimalIntegersAndGivesZeroOtherwise) {
  EXPECT_EQ(StringToInteger("25"), 25);
  EXPECT_EQ(StringToInteger(" -3 "), -3);
  EXPECT_EQ(StringToInteger("+4"), 4);
  EXPECT_EQ(StringToInteger(""), 0);
  EXPECT_EQ(StringToInteger("abc"), 0);
  EXPECT_EQ(StringToInteger("12abc"), 0);
  EXPECT_EQ(StringToInteger("2.5"), 0);
  EXPECT_EQ(StringToInteger("9223372036854775807"), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(StringToInteger("99999999999999999999"), 0);
}

TEST(Int64ToString, DecimalDigitsWithMinus) {
  EXPECT_EQ(Int64ToString(0), "0");
  EXPECT_EQ(Int64ToString(-12), "-12");
  EXPECT_EQ(Int64ToString(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
  EXPECT_EQ(Str(42), "42");
}

TEST(DoubleToString, ShortestTextThatReadsBack) {
  EXPECT_EQ(DoubleToString(2.0), "2");
  EXPECT_EQ(DoubleToString(0.1), "0.1");
  EXPECT_EQ(DoubleToString(-0.0123291), "-0.0123291");
  EXPECT_EQ(DoubleToString(1e-14), "1e-14");
  EXPECT_EQ(DoubleToString(4.0 / 3.0), "1.3333333333333333");
  for (const double v : {4.0 / 3.0, 1e300, 5.0e-324, 512345.6789, -0.000001}) {
    EXPECT_EQ(ParseNumber(DoubleToString(v)), v);
  }
}

TEST(DoubleToString, NonFiniteTexts) {
  EXPECT_EQ(DoubleToString(std::numeric_limits<double>::infinity()), "Infinity");
  EXPECT_EQ(DoubleToString(-std::numeric_limits<double>::infinity()), "-Infinity");
  EXPECT_EQ(DoubleToString(std::nan("")), "NaN");
  EXPECT_EQ(DoubleToString(-std::nan("")), "NaN");
}

}  // namespace
}  // namespace korvanta

namespace korvanta {
namespace {

TEST(CountOf, SingularOnlyForOne) {
  EXPECT_EQ(CountOf(1, "point"), "1 point");
  EXPECT_EQ(CountOf(0, "point"), "0 points");
  EXPECT_EQ(CountOf(-1, "control point"), "-1 control points");
}

TEST(IsBlank, SpacesAndTabsOnly) {
  EXPECT_TRUE(IsBlank(""));
  EXPECT_TRUE(IsBlank(" \t "));
  EXPECT_FALSE(IsBlank(" x "));
}

}  // namespace
}  // namespace korvanta
