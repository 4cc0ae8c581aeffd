#include "matrix/matrix.h"

#include <cmath>
#include <utility>

#include "toolkit/core/message.h"

namespace Matrix {

bool Inverse(DoubleArray2& A, Int n) {
  if (n <= 0) return true;
  DoubleArray2 work(n, n);
  for (Int i = 1; i <= n; ++i) {
    for (Int j = 1; j <= n; ++j) work(i, j) = A(i, j);
  }
  // Gauss-Jordan in place; the row exchanges are recorded and undone as column
  // exchanges at the end.
  korvanta::Array1<Int> swapped_with(n);
  for (Int k = 1; k <= n; ++k) {
    Int pivot_row = k;
    for (Int i = k + 1; i <= n; ++i) {
      if (std::fabs(work(i, k)) > std::fabs(work(pivot_row, k))) pivot_row = i;
    }
    const double pivot = work(pivot_row, k);
    if (pivot == 0.0 || !std::isfinite(pivot)) return false;
    swapped_with(k) = pivot_row;
    if (pivot_row != k) {
      for (Int j = 1; j <= n; ++j) std::swap(work(k, j), work(pivot_row, j));
    }
    for (Int j = 1; j <= n; ++j) {
      if (j != k) work(k, j) = work(k, j) / work(k, k);
    }
    work(k, k) = 1.0 / work(k, k);
    for (Int i = 1; i <= n; ++i) {
      if (i == k) continue;
      for (Int j = 1; j <= n; ++j) {
        if (j != k) work(i, j) = work(i, j) - work(k, j) * work(i, k);
      }
      work(i, k) = -work(i, k) * work(k, k);
    }
  }
  for (Int k = n; k >= 1; --k) {
    const Int p = swapped_with(k);
    if (p != k) {
      for (Int i = 1; i <= n; ++i) std::swap(work(i, k), work(i, p));
    }
  }
  for (Int i = 1; i <= n; ++i) {
    for (Int j = 1; j <= n; ++j) {
      if (!std::isfinite(work(i, j))) return false;
    }
  }
  for (Int i = 1; i <= n; ++i) {
    for (Int j = 1; j <= n; ++j) A(i, j) = work(i, j);
  }
  return true;
}

void Multiply(const DoubleArray2& A, Int rA, Int cA, const DoubleArray2& B, Int rB, Int cB,
              DoubleArray2& C) {
  if (cA != rB) {
    korvanta::MessageBox("Matricies can't be multiplied becasue rows/columns don't match.");
    return;
  }
  for (Int i = 1; i <= rA; ++i) {
    for (Int j = 1; j <= cB; ++j) {
      for (Int k = 1; k <= cA; ++k) C(i, j) = C(i, j) + A(i, k) * B(k, j);
    }
  }
}

void Transpose(const DoubleArray2& A, Int r, Int c, DoubleArray2& T) {
  for (Int i = 1; i <= r; ++i) {
    for (Int j = 1; j <= c; ++j) T(j, i) = A(i, j);
  }
}

void Subtract(const DoubleArray2& A, Int r, Int c, const DoubleArray2& B, DoubleArray2& C) {
  for (Int i = 1; i <= r; ++i) {
    for (Int j = 1; j <= c; ++j) C(i, j) = A(i, j) - B(i, j);
  }
}

double SDUnitWt(const DoubleArray2& V, Int m, Int n) {
  double s = 0.0;
  for (Int i = 1; i <= m; ++i) s = s + V(i, 1) * V(i, 1);
  const auto d = static_cast<double>(m - n);
  return std::sqrt(s / d);
}

void StdDev(const DoubleArray2& Qxx, Int m, Int n, const DoubleArray2& V, DoubleArray2& X) {
  X(0, 0) = SDUnitWt(V, m, n);
  for (Int i = 1; i <= n; ++i) X(i, 2) = std::sqrt(Qxx(i, i)) * X(0, 0);
}

}  // namespace Matrix
