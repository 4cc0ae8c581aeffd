#include "matrix/double_double.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using Matrix::DoubleDouble;

// The two parts of the nearest double-double to each value: hi is the
// nearest double and lo the nearest double to the rest (mpmath at 60 digits:
// hi = float(v), lo = float(v - hi)).
struct Expected {
  const char* name;
  DoubleDouble value;
  double hi;
  double lo;
};

TEST(DoubleDouble, QuotientsAndRootsCarryTheirSecondWord) {
  const Expected cases[] = {
      {"1/3", DoubleDouble(1.0) / 3.0, 0.3333333333333333, 1.850371707708594e-17},
      {"1/10", DoubleDouble(1.0) / 10.0, 0.1, -5.551115123125783e-18},
      {"sqrt 2", Sqrt(DoubleDouble(2.0)), 1.4142135623730951, -9.667293313452913e-17},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.value.Hi(), c.hi) << c.name;
    // Within a few units of the 106th bit: 2^-104 of the value.
    EXPECT_NEAR(c.value.Lo(), c.lo, std::ldexp(std::fabs(c.hi), -104)) << c.name;
  }
}

TEST(DoubleDouble, SumsAndProductsKeepWhatOneDoubleLoses) {
  // 1 + 1e-20 - 1 is 0 in doubles.
  EXPECT_EQ(ToDouble((DoubleDouble(1.0) + 1e-20) - 1.0), 1e-20);
  // (1 + 2^-40)^2 = 1 + 2^-39 + 2^-80, exactly representable in two words.
  const DoubleDouble near_one = DoubleDouble(1.0) + std::ldexp(1.0, -40);
  const DoubleDouble square = near_one * near_one;
  EXPECT_EQ(square.Hi(), 1.0 + std::ldexp(1.0, -39));
  EXPECT_EQ(square.Lo(), std::ldexp(1.0, -80));
  // Undoing a quotient gives back the dividend to the last bits of the
  // second word.
  const DoubleDouble seventh = DoubleDouble(1.0) / 7.0;
  EXPECT_NEAR(ToDouble((seventh * 7.0 - 1.0)), 0.0, 1e-31);
}

TEST(DoubleDouble, OrdersAndScalesAsItsValue) {
  const DoubleDouble a = DoubleDouble(1.0) + 1e-20;
  EXPECT_TRUE(DoubleDouble(1.0) < a);
  EXPECT_TRUE(a > 1.0);
  EXPECT_FALSE(a == 1.0);
  EXPECT_EQ(ToDouble(Abs(-a)), 1.0);
  EXPECT_TRUE(Abs(-a) == a);
  const DoubleDouble scaled = ScaledByPowerOfTwo(a, 1024.0);
  EXPECT_EQ(scaled.Hi(), 1024.0);
  EXPECT_EQ(scaled.Lo(), std::ldexp(a.Lo(), 10));
}

TEST(DoubleDouble, NonFiniteValuesAreNotFinite) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_TRUE(IsFinite(DoubleDouble(1e308)));
  EXPECT_FALSE(IsFinite(DoubleDouble(1e308) * 10.0));
  EXPECT_FALSE(IsFinite(DoubleDouble(1.0) / 0.0));
  EXPECT_FALSE(IsFinite(DoubleDouble(inf)));
  EXPECT_FALSE(IsFinite(Sqrt(DoubleDouble(-1.0))));
  EXPECT_EQ(ToDouble(Sqrt(DoubleDouble(0.0))), 0.0);
  EXPECT_EQ(ToDouble(Sqrt(DoubleDouble(inf))), inf);
}

}  // namespace
