#include <algorithm>
#include <array>
#include <cmath>

#include "matrix/matrix.h"

namespace Matrix {
namespace {

constexpr Int kMaxObservations = 20;
constexpr Int kMaxUnknowns = 10;

// The power of two that brings a magnitude into [0.5, 1), held within the
// range of normal doubles. Scaling by it is exact, so nothing is rounded on
// the way in or out.
double ScaleFor(double magnitude) {
  int exponent = 0;
  std::frexp(magnitude, &exponent);
  return std::ldexp(1.0, std::clamp(-exponent, -1000, 1000));
}

template <typename Number>
double Magnitude(const Number& value) {
  return std::fabs(ToDouble(value));
}

// Storage for the inner loops, by column and indexed from 1 like the arrays,
// without their bounds checks: the bounds were checked once on entry.
template <typename Number, Int Rows, Int Columns>
class Block {
 public:
  Number& operator()(Int i, Int j) { return data_[Index(i, j)]; }
  const Number& operator()(Int i, Int j) const { return data_[Index(i, j)]; }

 private:
  static std::size_t Index(Int i, Int j) {
    return static_cast<std::size_t>((j - 1) * Rows + i - 1);
  }
  std::array<Number, static_cast<std::size_t>(Rows* Columns)> data_{};
};

}  // namespace

template <typename Number>
LeastSquaresResult LeastSquares(const Array2<Number>& A, Int m, Int n, const Array2<Number>& L,
                                Array2<Number>& X, double rank_tolerance) {
  // The capacities of one adjustment: 20 observations and 10 unknowns.
  // Going beyond them, or beyond the caller's arrays, throws
  // OutOfBoundsException before any element of X is written.
  if (m > kMaxObservations) korvanta::ThrowOutOfBounds(m, kMaxObservations);
  if (n > kMaxUnknowns) korvanta::ThrowOutOfBounds(n, kMaxUnknowns);
  if (m < n) return LeastSquaresResult::RankDeficient;
  static_cast<void>(A(m, n));
  static_cast<void>(L(m, 1));
  static_cast<void>(X(0, 0));
  static_cast<void>(X(n, 2));
  const auto at = [](Int i) { return static_cast<std::size_t>(i); };

  // W holds the design with every column scaled by a power of two to a
  // length between 1/2 and 1, and b the observations scaled likewise, so no
  // step below can overflow and the scaling itself rounds nothing. QR works
  // on W in place, leaving R in its upper triangle.
  Block<Number, kMaxObservations, kMaxUnknowns> W;
  std::array<double, kMaxUnknowns + 1> scale{};
  std::array<Number, kMaxObservations + 1> b{};
  for (Int j = 1; j <= n; ++j) {
    double largest = 0.0;
    for (Int i = 1; i <= m; ++i) {
      if (!IsFinite(A(i, j))) return LeastSquaresResult::OutOfRange;
      largest = std::max(largest, Magnitude(A(i, j)));
    }
    if (largest == 0.0) return LeastSquaresResult::RankDeficient;
    const double power = ScaleFor(largest);
    double sum = 0.0;
    for (Int i = 1; i <= m; ++i) {
      const double scaled = ToDouble(A(i, j)) * power;
      sum += scaled * scaled;
    }
    scale[at(j)] = power * ScaleFor(std::sqrt(sum));
    for (Int i = 1; i <= m; ++i) W(i, j) = ScaledByPowerOfTwo(A(i, j), scale[at(j)]);
  }
  double largest_observation = 0.0;
  for (Int i = 1; i <= m; ++i) {
    if (!IsFinite(L(i, 1))) return LeastSquaresResult::OutOfRange;
    largest_observation = std::max(largest_observation, Magnitude(L(i, 1)));
  }
  const double observation_scale = largest_observation == 0.0 ? 1.0 : ScaleFor(largest_observation);
  for (Int i = 1; i <= m; ++i) b[at(i)] = ScaledByPowerOfTwo(L(i, 1), observation_scale);

  // Householder reflections. The products of a reflection with the later
  // columns and with b are formed together, row by row, so that they are
  // independent sums and not one long chain of dependent additions.
  std::array<Number, kMaxUnknowns + 2> dot{};
  for (Int k = 1; k <= n; ++k) {
    Number norm = 0.0;
    for (Int i = k; i <= m; ++i) norm += W(i, k) * W(i, k);
    norm = Sqrt(norm);
    const Number alpha = W(k, k) > 0.0 ? -norm : norm;
    // v = (W(k, k) - alpha, W(k + 1, k), ...) lives in column k, and its
    // squared length is 2·|alpha|·(|alpha| + |W(k, k)|).
    const Number vv = 2.0 * norm * (norm + Abs(W(k, k)));
    W(k, k) -= alpha;
    if (vv > 0.0) {
      for (Int j = k + 1; j <= n + 1; ++j) dot[at(j)] = 0.0;
      for (Int i = k; i <= m; ++i) {
        const Number& vi = W(i, k);
        for (Int j = k + 1; j <= n; ++j) dot[at(j)] += vi * W(i, j);
        dot[at(n + 1)] += vi * b[at(i)];
      }
      const Number two_over_vv = 2.0 / vv;
      for (Int j = k + 1; j <= n + 1; ++j) dot[at(j)] *= two_over_vv;
      for (Int i = k; i <= m; ++i) {
        const Number& vi = W(i, k);
        for (Int j = k + 1; j <= n; ++j) W(i, j) -= dot[at(j)] * vi;
        b[at(i)] -= dot[at(n + 1)] * vi;
      }
    }
    W(k, k) = alpha;
  }

  double largest = 0.0;
  for (Int k = 1; k <= n; ++k) largest = std::max(largest, Magnitude(W(k, k)));
  for (Int k = 1; k <= n; ++k) {
    if (!(Magnitude(W(k, k)) > rank_tolerance * largest)) return LeastSquaresResult::RankDeficient;
  }

  // R⁻¹ by back substitution, column by column; it gives both the solution
  // and the diagonal of Qxx = S·R⁻¹·R⁻ᵀ·S without forming AᵀA. Only that
  // diagonal reaches the result, so only it is formed.
  Block<Number, kMaxUnknowns, kMaxUnknowns> Rinv;
  for (Int c = 1; c <= n; ++c) {
    for (Int r = c; r >= 1; --r) {
      Number s = r == c ? 1.0 : 0.0;
      for (Int k = r + 1; k <= c; ++k) s -= W(r, k) * Rinv(k, c);
      Rinv(r, c) = s / W(r, r);
    }
  }
  // The estimates (what X already holds plus the solution) and their
  // standard deviations, made in full before X is touched.
  Array2<Number> result(n, 2);
  Array2<Number> Qxx(n, n);
  for (Int r = 1; r <= n; ++r) {
    Number s = 0.0;
    Number q = 0.0;
    for (Int k = r; k <= n; ++k) {
      s += Rinv(r, k) * b[at(k)];
      q += Rinv(r, k) * Rinv(r, k);
    }
    const double s_r = scale[at(r)];
    result(r, 1) = X(r, 1) + ScaledByPowerOfTwo(s, s_r / observation_scale);
    if (!IsFinite(result(r, 1))) return LeastSquaresResult::OutOfRange;
    Qxx(r, r) = ScaledByPowerOfTwo(ScaledByPowerOfTwo(q, s_r), s_r);
  }
  // The residuals of the estimates. When X held nothing before, they are
  // those of the solution, which the reflections have already turned into
  // b(n + 1 ... m): the same sum of squares, without forming A·X.
  Array2<Number> V(m, 1);
  bool from_zero = true;
  for (Int i = 1; i <= n; ++i) from_zero = from_zero && X(i, 1) == 0.0;
  if (from_zero) {
    for (Int i = n + 1; i <= m; ++i)
      V(i, 1) = ScaledByPowerOfTwo(b[at(i)], 1.0 / observation_scale);
  } else {
    Array2<Number> AX(m, 1);
    Multiply(A, m, n, result, n, 1, AX);
    Subtract(AX, m, 1, L, V);
  }
  StdDev(Qxx, m, n, V, result);

  X(0, 0) = result(0, 0);
  for (Int i = 1; i <= n; ++i) {
    X(i, 1) = result(i, 1);
    X(i, 2) = result(i, 2);
  }
  // With redundancy the standard deviations are finite unless they went
  // beyond the range; without, they are meant to be non-finite.
  if (m > n) {
    for (Int i = 0; i <= n; ++i) {
      if (!IsFinite(X(i, i == 0 ? 0 : 2))) return LeastSquaresResult::DeviationsOutOfRange;
    }
  }
  return LeastSquaresResult::Solved;
}

template LeastSquaresResult LeastSquares(const DoubleArray2&, Int, Int, const DoubleArray2&,
                                         DoubleArray2&, double);
template LeastSquaresResult LeastSquares(const DoubleDoubleArray2&, Int, Int,
                                         const DoubleDoubleArray2&, DoubleDoubleArray2&, double);

}  // namespace Matrix
