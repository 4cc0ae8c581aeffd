#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "matrix/matrix.h"

namespace Matrix {
namespace {

constexpr Int kMaxObservations = 20;
constexpr Int kMaxUnknowns = 10;

std::size_t At(Int i) {
  return static_cast<std::size_t>(i);
}

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

template <typename Number>
using Design = Block<Number, kMaxObservations, kMaxUnknowns>;
template <typename Number>
using Square = Block<Number, kMaxUnknowns, kMaxUnknowns>;

// The system as the factorisation sees it: W = A·S and b = t·L. The
// factorisation turns W into R (its upper triangle) and b into Qᵀ·b.
template <typename Number>
struct ScaledSystem {
  Design<Number> W;
  std::array<double, kMaxUnknowns + 1> S{};
  std::array<Number, kMaxObservations + 1> b{};
  double t = 1.0;
};

// Why an adjustment stops before its estimates; nothing when it goes on.
using Refusal = std::optional<LeastSquaresResult>;

// W = A·S, every column brought to a length between 1/2 and 1, so no step
// below can overflow and the scaling itself rounds nothing. The first column
// that is not finite or is all zero refuses, in column order.
template <typename Number>
Refusal ScaleDesign(const Array2<Number>& A, Int m, Int n, ScaledSystem<Number>& system) {
  for (Int j = 1; j <= n; ++j) {
    double largest = 0.0;
    for (Int i = 1; i <= m; ++i) {
      if (!IsFinite(A(i, j))) return LeastSquaresResult::OutOfRange;
      largest = std::max(largest, Magnitude(A(i, j)));
    }
    if (largest == 0.0) return LeastSquaresResult::RankDeficient;
    // The length is measured after a first scaling by the largest element,
    // which keeps the squares within range.
    const double power = ScaleFor(largest);
    double sum = 0.0;
    for (Int i = 1; i <= m; ++i) {
      const double scaled = ToDouble(A(i, j)) * power;
      sum += scaled * scaled;
    }
    system.S[At(j)] = power * ScaleFor(std::sqrt(sum));
    for (Int i = 1; i <= m; ++i) system.W(i, j) = ScaledByPowerOfTwo(A(i, j), system.S[At(j)]);
  }
  return std::nullopt;
}

// b = t·L, the largest observation brought into [1/2, 1). False when an
// observation is not finite.
template <typename Number>
bool ScaleObservations(const Array2<Number>& L, Int m, ScaledSystem<Number>& system) {
  double largest = 0.0;
  for (Int i = 1; i <= m; ++i) {
    if (!IsFinite(L(i, 1))) return false;
    largest = std::max(largest, Magnitude(L(i, 1)));
  }
  system.t = largest == 0.0 ? 1.0 : ScaleFor(largest);
  for (Int i = 1; i <= m; ++i) system.b[At(i)] = ScaledByPowerOfTwo(L(i, 1), system.t);
  return true;
}

// Householder reflections Hₖ = I - 2·v·vᵀ/(vᵀ·v), k = 1 ... n, applied in
// place: W becomes R (Qᵀ = Hₙ···H₁ is never formed) and b becomes Qᵀ·b. The
// products of a reflection with the later columns and with b are formed
// together, row by row, so that they are independent sums and not one long
// chain of dependent additions.
template <typename Number>
void Factorise(Int m, Int n, ScaledSystem<Number>& system) {
  Design<Number>& W = system.W;
  std::array<Number, kMaxObservations + 1>& b = system.b;
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
      for (Int j = k + 1; j <= n + 1; ++j) dot[At(j)] = 0.0;
      for (Int i = k; i <= m; ++i) {
        const Number& vi = W(i, k);
        for (Int j = k + 1; j <= n; ++j) dot[At(j)] += vi * W(i, j);
        dot[At(n + 1)] += vi * b[At(i)];
      }
      const Number two_over_vv = 2.0 / vv;
      for (Int j = k + 1; j <= n + 1; ++j) dot[At(j)] *= two_over_vv;
      for (Int i = k; i <= m; ++i) {
        const Number& vi = W(i, k);
        for (Int j = k + 1; j <= n; ++j) W(i, j) -= dot[At(j)] * vi;
        b[At(i)] -= dot[At(n + 1)] * vi;
      }
    }
    W(k, k) = alpha;
  }
}

// Every |R(k, k)| above rank_tolerance times the largest of them.
template <typename Number>
bool FullRank(const Design<Number>& R, Int n, double rank_tolerance) {
  double largest = 0.0;
  for (Int k = 1; k <= n; ++k) largest = std::max(largest, Magnitude(R(k, k)));
  for (Int k = 1; k <= n; ++k) {
    if (!(Magnitude(R(k, k)) > rank_tolerance * largest)) return false;
  }
  return true;
}

// R⁻¹ by back substitution, column by column: R·R⁻¹(·, c) = e_c. It gives
// both the solution and Qxx without forming AᵀA.
template <typename Number>
Square<Number> InverseOfR(const Design<Number>& R, Int n) {
  Square<Number> Rinv;
  for (Int c = 1; c <= n; ++c) {
    for (Int r = c; r >= 1; --r) {
      Number s = r == c ? 1.0 : 0.0;
      for (Int k = r + 1; k <= c; ++k) s -= R(r, k) * Rinv(k, c);
      Rinv(r, c) = s / R(r, r);
    }
  }
  return Rinv;
}

// result(r, 1) = X(r, 1) + x(r), with x = S·R⁻¹·(Qᵀ·b)(1 ... n) / t the
// solution in the units of A and L. False at the first estimate that is not
// finite.
template <typename Number>
bool Estimates(const Square<Number>& Rinv, const ScaledSystem<Number>& system, Int n,
               const Array2<Number>& X, Array2<Number>& result) {
  for (Int r = 1; r <= n; ++r) {
    Number s = 0.0;
    for (Int k = r; k <= n; ++k) s += Rinv(r, k) * system.b[At(k)];
    result(r, 1) = X(r, 1) + ScaledByPowerOfTwo(s, system.S[At(r)] / system.t);
    if (!IsFinite(result(r, 1))) return false;
  }
  return true;
}

// The diagonal of Qxx = (AᵀA)⁻¹ = S·R⁻¹·R⁻ᵀ·S: Qxx(r, r) = S(r)²·Σₖ R⁻¹(r, k)².
// Only the diagonal reaches the result, so only it is formed.
template <typename Number>
Array2<Number> QxxDiagonal(const Square<Number>& Rinv, const ScaledSystem<Number>& system, Int n) {
  Array2<Number> Qxx(n, n);
  for (Int r = 1; r <= n; ++r) {
    Number q = 0.0;
    for (Int k = r; k <= n; ++k) q += Rinv(r, k) * Rinv(r, k);
    const double s_r = system.S[At(r)];
    Qxx(r, r) = ScaledByPowerOfTwo(ScaledByPowerOfTwo(q, s_r), s_r);
  }
  return Qxx;
}

// The residuals V = A·X - L of the estimates, whose sum of squares gives the
// standard deviation of unit weight. When X held nothing before, they are
// those of the solution, which the reflections have already turned into
// (Qᵀ·b)(n + 1 ... m) / t: the same sum of squares, without forming A·X.
template <typename Number>
Array2<Number> Residuals(const Array2<Number>& A, Int m, Int n, const Array2<Number>& L,
                         const Array2<Number>& X, const Array2<Number>& result,
                         const ScaledSystem<Number>& system) {
  Array2<Number> V(m, 1);
  bool from_zero = true;
  for (Int i = 1; i <= n; ++i) from_zero = from_zero && X(i, 1) == 0.0;
  if (from_zero) {
    for (Int i = n + 1; i <= m; ++i) V(i, 1) = ScaledByPowerOfTwo(system.b[At(i)], 1.0 / system.t);
  } else {
    Array2<Number> AX(m, 1);
    Multiply(A, m, n, result, n, 1, AX);
    Subtract(AX, m, 1, L, V);
  }
  return V;
}

// With redundancy the standard deviations are finite unless they went beyond
// the range; without, they are meant to be non-finite.
template <typename Number>
bool DeviationsInRange(const Array2<Number>& X, Int m, Int n) {
  if (m > n) {
    for (Int i = 0; i <= n; ++i) {
      if (!IsFinite(X(i, i == 0 ? 0 : 2))) return false;
    }
  }
  return true;
}

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

  ScaledSystem<Number> system;
  if (const Refusal refusal = ScaleDesign(A, m, n, system)) return *refusal;
  if (!ScaleObservations(L, m, system)) return LeastSquaresResult::OutOfRange;
  Factorise(m, n, system);
  if (!FullRank(system.W, n, rank_tolerance)) return LeastSquaresResult::RankDeficient;
  const Square<Number> Rinv = InverseOfR(system.W, n);

  // The estimates and their standard deviations are made in full before X
  // is touched.
  Array2<Number> result(n, 2);
  if (!Estimates(Rinv, system, n, X, result)) return LeastSquaresResult::OutOfRange;
  const Array2<Number> Qxx = QxxDiagonal(Rinv, system, n);
  const Array2<Number> V = Residuals(A, m, n, L, X, result, system);
  StdDev(Qxx, m, n, V, result);

  X(0, 0) = result(0, 0);
  for (Int i = 1; i <= n; ++i) {
    X(i, 1) = result(i, 1);
    X(i, 2) = result(i, 2);
  }
  return DeviationsInRange(X, m, n) ? LeastSquaresResult::Solved
                                    : LeastSquaresResult::DeviationsOutOfRange;
}

template LeastSquaresResult LeastSquares(const DoubleArray2&, Int, Int, const DoubleArray2&,
                                         DoubleArray2&, double);
template LeastSquaresResult LeastSquares(const DoubleDoubleArray2&, Int, Int,
                                         const DoubleDoubleArray2&, DoubleDoubleArray2&, double);

}  // namespace Matrix
