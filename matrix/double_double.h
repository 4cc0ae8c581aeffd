#pragma once

#include <cfloat>
#include <cmath>

// The error-free steps below need every operation on doubles rounded to a
// double at once; excess precision (the x87 unit of 32-bit x86) breaks them.
static_assert(FLT_EVAL_METHOD == 0,
              "double-double arithmetic needs doubles without excess precision");

namespace Matrix {

// A number carried as the unevaluated sum hi + lo of two doubles, with |lo|
// at most half a unit in the last place of hi: about 106 significant bits.
// It is built from IEEE double operations and std::fma alone, each of them
// correctly rounded, so a computation gives the same bits with every compiler
// and on every processor that builds Korvanta (long double has 64 bits on
// x86-64 with GCC and Clang but only 53 with MSVC and on AArch64). The build
// keeps compilers from fusing a product and a sum on their own
// (-ffp-contract=off), so the roundings are the ones written here.
//
// With u = 2^-53, products and quotients are within 7u² and 15u² of their
// exact values (the double-word algorithms with proven bounds). A sum is
// within a small multiple of u²·(|a| + |b|): the error bound of a sum in
// doubles with u² in place of u, which is what the adjustments rely on, at
// half the cost of a sum accurate to u² of its own value. Both leave the 64
// bits that the projective estimation needs far behind.
class DoubleDouble {
 public:
  constexpr DoubleDouble() = default;
  // Every double is a DoubleDouble exactly, so the conversion is implicit.
  constexpr DoubleDouble(double value) : hi_(value) {}  // NOLINT(google-explicit-constructor)

  constexpr double Hi() const { return hi_; }
  constexpr double Lo() const { return lo_; }

  friend DoubleDouble operator-(const DoubleDouble& a) { return {-a.hi_, -a.lo_}; }

  friend DoubleDouble operator+(const DoubleDouble& a, const DoubleDouble& b) {
    const DoubleDouble high = TwoSum(a.hi_, b.hi_);
    return FastTwoSum(high.hi_, high.lo_ + (a.lo_ + b.lo_));
  }
  friend DoubleDouble operator-(const DoubleDouble& a, const DoubleDouble& b) { return a + -b; }

  friend DoubleDouble operator*(const DoubleDouble& a, const DoubleDouble& b) {
    const DoubleDouble high = TwoProduct(a.hi_, b.hi_);
    const double cross = a.hi_ * b.lo_ + a.lo_ * b.hi_;
    return FastTwoSum(high.hi_, high.lo_ + cross);
  }

  friend DoubleDouble operator/(const DoubleDouble& a, const DoubleDouble& b) {
    const double first = a.hi_ / b.hi_;
    if (!std::isfinite(first)) return first;
    const DoubleDouble back = b * first;
    const double rest = ((a.hi_ - back.hi_) + (a.lo_ - back.lo_)) / b.hi_;
    return FastTwoSum(first, rest);
  }

  DoubleDouble& operator+=(const DoubleDouble& b) { return *this = *this + b; }
  DoubleDouble& operator-=(const DoubleDouble& b) { return *this = *this - b; }
  DoubleDouble& operator*=(const DoubleDouble& b) { return *this = *this * b; }
  DoubleDouble& operator/=(const DoubleDouble& b) { return *this = *this / b; }

  // Ordered by value; NaN compares false, as a double does.
  friend bool operator<(const DoubleDouble& a, const DoubleDouble& b) {
    return a.hi_ < b.hi_ || (a.hi_ == b.hi_ && a.lo_ < b.lo_);
  }
  friend bool operator>(const DoubleDouble& a, const DoubleDouble& b) { return b < a; }
  friend bool operator==(const DoubleDouble& a, const DoubleDouble& b) {
    return a.hi_ == b.hi_ && a.lo_ == b.lo_;
  }

  friend DoubleDouble Sqrt(const DoubleDouble& a) {
    if (!(a.hi_ > 0.0)) return std::sqrt(a.hi_);  // 0, negative, NaN
    if (std::isinf(a.hi_)) return a.hi_;
    const double root = std::sqrt(a.hi_);
    const DoubleDouble square = TwoProduct(root, root);
    const double rest = (((a.hi_ - square.hi_) - square.lo_) + a.lo_) / (2.0 * root);
    return FastTwoSum(root, rest);
  }
  friend DoubleDouble Abs(const DoubleDouble& a) { return a.hi_ < 0.0 ? -a : a; }
  friend bool IsFinite(const DoubleDouble& a) {
    return std::isfinite(a.hi_) && std::isfinite(a.lo_);
  }
  // Exact for a power of two (away from the subnormal range): it scales both
  // parts.
  friend DoubleDouble ScaledByPowerOfTwo(const DoubleDouble& a, double power) {
    return {a.hi_ * power, a.lo_ * power};
  }
  // The nearest double: hi itself, since |lo| is at most half an ulp of it.
  friend double ToDouble(const DoubleDouble& a) { return a.hi_; }

 private:
  constexpr DoubleDouble(double hi, double lo) : hi_(hi), lo_(lo) {}

  // s + e == a + b exactly.
  static DoubleDouble TwoSum(double a, double b) {
    const double s = a + b;
    const double b_part = s - a;
    const double e = (a - (s - b_part)) + (b - b_part);
    return {s, e};
  }
  // The same when |a| >= |b| (or a is 0), in three operations.
  static DoubleDouble FastTwoSum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
  }
  // p + e == a * b exactly (barring underflow): fma gives the rounding error.
  static DoubleDouble TwoProduct(double a, double b) {
    const double p = a * b;
    return {p, std::fma(a, b, -p)};
  }

  double hi_ = 0.0;
  double lo_ = 0.0;
};

// The same operations on doubles, so one algorithm serves both number types.
inline double Sqrt(double a) {
  return std::sqrt(a);
}
inline double Abs(double a) {
  return std::fabs(a);
}
inline bool IsFinite(double a) {
  return std::isfinite(a);
}
inline double ScaledByPowerOfTwo(double a, double power) {
  return a * power;
}
inline double ToDouble(double a) {
  return a;
}

}  // namespace Matrix
