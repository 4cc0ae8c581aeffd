#include <algorithm>
#include <cmath>

#include "matrix/matrix.h"

namespace Matrix {
LeastSquaresResult LeastSquares(const DoubleArray2& A, Int m, Int n, const DoubleArray2& L,
                                DoubleArray2& X, double rank_tolerance) {
  // Work arrays with the capacities of one adjustment: 20 observations and 10
  // unknowns. Going beyond them throws OutOfBoundsException here, before any
  // element of X is written.
  DoubleArray2 At(10, 20);
  DoubleArray2 Qxx(10, 10);
  DoubleArray2 AX(20, 2);
  DoubleArray2 V(20, 2);
  Transpose(A, m, n, At);
  if (m < n) return LeastSquaresResult::RankDeficient;
  // Every element that is written later must exist: fail before touching X.
  static_cast<void>(X(0, 0));
  static_cast<void>(X(n, 2));
  static_cast<void>(L(m, 1));

  // W holds the scaled design column by column (row j of At is column j of A);
  // QR works on W in place, leaving R in its upper triangle.
  DoubleArray2 W(20, 10);
  korvanta::Array1<double> scale(10);
  korvanta::Array1<double> b(20);
  for (Int j = 1; j <= n; ++j) {
    double norm = 0.0;
    for (Int i = 1; i <= m; ++i) norm = std::hypot(norm, At(j, i));
    if (norm == 0.0 || !std::isfinite(norm)) return LeastSquaresResult::RankDeficient;
    scale(j) = 1.0 / norm;
    for (Int i = 1; i <= m; ++i) W(i, j) = At(j, i) * scale(j);
  }
  for (Int i = 1; i <= m; ++i) {
    b(i) = L(i, 1);
    if (!std::isfinite(b(i))) return LeastSquaresResult::RankDeficient;
  }

  korvanta::Array1<double> v(20);
  for (Int k = 1; k <= n; ++k) {
    double norm = 0.0;
    for (Int i = k; i <= m; ++i) norm = std::hypot(norm, W(i, k));
    const double alpha = W(k, k) > 0.0 ? -norm : norm;
    for (Int i = k; i <= m; ++i) v(i) = W(i, k);
    v(k) -= alpha;
    double vv = 0.0;
    for (Int i = k; i <= m; ++i) vv += v(i) * v(i);
    if (vv > 0.0) {
      for (Int j = k; j <= n; ++j) {
        double dot = 0.0;
        for (Int i = k; i <= m; ++i) dot += v(i) * W(i, j);
        const double f = 2.0 * dot / vv;
        for (Int i = k; i <= m; ++i) W(i, j) -= f * v(i);
      }
      double dot = 0.0;
      for (Int i = k; i <= m; ++i) dot += v(i) * b(i);
      const double f = 2.0 * dot / vv;
      for (Int i = k; i <= m; ++i) b(i) -= f * v(i);
    }
    W(k, k) = alpha;
  }

  double largest = 0.0;
  for (Int k = 1; k <= n; ++k) largest = std::fmax(largest, std::fabs(W(k, k)));
  for (Int k = 1; k <= n; ++k) {
    if (!(std::fabs(W(k, k)) > rank_tolerance * largest)) return LeastSquaresResult::RankDeficient;
  }

  // R⁻¹ by back substitution, column by column; it gives both the solution
  // and Qxx = S·R⁻¹·R⁻ᵀ·S without forming AᵀA.
  DoubleArray2 Rinv(10, 10);
  for (Int c = 1; c <= n; ++c) {
    for (Int r = c; r >= 1; --r) {
      double s = r == c ? 1.0 : 0.0;
      for (Int k = r + 1; k <= c; ++k) s -= W(r, k) * Rinv(k, c);
      Rinv(r, c) = s / W(r, r);
    }
  }
  korvanta::Array1<double> solution(10);
  for (Int r = 1; r <= n; ++r) {
    double s = 0.0;
    for (Int k = r; k <= n; ++k) s += Rinv(r, k) * b(k);
    solution(r) = s * scale(r);
  }
  for (Int i = 1; i <= n; ++i) {
    for (Int j = 1; j <= n; ++j) {
      double s = 0.0;
      for (Int k = std::max(i, j); k <= n; ++k) s += Rinv(i, k) * Rinv(j, k);
      Qxx(i, j) = s * scale(i) * scale(j);
    }
  }
  for (Int i = 1; i <= n; ++i) {
    if (!std::isfinite(solution(i))) return LeastSquaresResult::RankDeficient;
  }

  for (Int i = 1; i <= n; ++i) X(i, 1) = X(i, 1) + solution(i);
  Multiply(A, m, n, X, n, 1, AX);
  Subtract(AX, m, 1, L, V);
  StdDev(Qxx, m, n, V, X);
  return LeastSquaresResult::Solved;
}

}  // namespace Matrix
