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

template <typename Number>
void Multiply(const Array2<Number>& A, Int rA, Int cA, const Array2<Number>& B, Int rB, Int cB,
              Array2<Number>& C) {
  if (cA != rB) {
    // Kept as users know it, misspellings included, on purpose: tests
    // compare it word for word. Do not correct it.
    korvanta::MessageBox("Matricies can't be multiplied becasue rows/columns don't match.");
    return;
  }
  for (Int i = 1; i <= rA; ++i) {
    for (Int j = 1; j <= cB; ++j) {
      for (Int k = 1; k <= cA; ++k) C(i, j) = C(i, j) + A(i, k) * B(k, j);
    }
  }
}

template <typename Number>
void Transpose(const Array2<Number>& A, Int r, Int c, Array2<Number>& T) {
  for (Int i = 1; i <= r; ++i) {
    for (Int j = 1; j <= c; ++j) T(j, i) = A(i, j);
  }
}

template <typename Number>
void Subtract(const Array2<Number>& A, Int r, Int c, const Array2<Number>& B, Array2<Number>& C) {
  for (Int i = 1; i <= r; ++i) {
    for (Int j = 1; j <= c; ++j) C(i, j) = A(i, j) - B(i, j);
  }
}

template <typename Number>
Number SDUnitWt(const Array2<Number>& V, Int m, Int n) {
  Number s = 0.0;
  for (Int i = 1; i <= m; ++i) s = s + V(i, 1) * V(i, 1);
  const auto d = static_cast<double>(m - n);
  return Sqrt(s / d);
}

template <typename Number>
void StdDev(const Array2<Number>& Qxx, Int m, Int n, const Array2<Number>& V, Array2<Number>& X) {
  X(0, 0) = SDUnitWt(V, m, n);
  for (Int i = 1; i <= n; ++i) X(i, 2) = Sqrt(Qxx(i, i)) * X(0, 0);
}

template void Multiply(const DoubleArray2&, Int, Int, const DoubleArray2&, Int, Int, DoubleArray2&);
template void Multiply(const DoubleDoubleArray2&, Int, Int, const DoubleDoubleArray2&, Int, Int,
                       DoubleDoubleArray2&);
template void Transpose(const DoubleArray2&, Int, Int, DoubleArray2&);
template void Transpose(const DoubleDoubleArray2&, Int, Int, DoubleDoubleArray2&);
template void Subtract(const DoubleArray2&, Int, Int, const DoubleArray2&, DoubleArray2&);
template void Subtract(const DoubleDoubleArray2&, Int, Int, const DoubleDoubleArray2&,
                       DoubleDoubleArray2&);
template double SDUnitWt(const DoubleArray2&, Int, Int);
template DoubleDouble SDUnitWt(const DoubleDoubleArray2&, Int, Int);
template void StdDev(const DoubleArray2&, Int, Int, const DoubleArray2&, DoubleArray2&);
template void StdDev(const DoubleDoubleArray2&, Int, Int, const DoubleDoubleArray2&,
                     DoubleDoubleArray2&);

}  // namespace Matrix
