#pragma once

#include <cstdint>

#include "matrix/double_double.h"
#include "toolkit/core/arrays.h"

// Dense matrix routines on caller-owned arrays. A matrix of m rows and n
// columns occupies rows 1 to m and columns 1 to n; every dimension is passed
// in, and no routine asks an array for its bounds. The routines that the
// least-squares adjustment uses work on doubles and on DoubleDouble numbers
// alike: one algorithm, two precisions. The templates are defined for double
// and DoubleDouble only.
namespace Matrix {

using Int = std::int64_t;
template <typename Number>
using Array2 = korvanta::Array2<Number>;
using korvanta::DoubleArray2;
using DoubleDoubleArray2 = Array2<DoubleDouble>;

// Replaces the n x n block of A with its inverse (Gauss-Jordan with row
// exchanges). Returns false, and leaves A unchanged, when A is singular: a
// zero or non-finite pivot would otherwise spread NaN through the result.
bool Inverse(DoubleArray2& A, Int n);

// Adds A·B into rows 1 to rA, columns 1 to cB of C; C is never cleared. When
// cA differs from rB it shows a message and changes nothing.
template <typename Number>
void Multiply(const Array2<Number>& A, Int rA, Int cA, const Array2<Number>& B, Int rB, Int cB,
              Array2<Number>& C);

template <typename Number>
void Transpose(const Array2<Number>& A, Int r, Int c, Array2<Number>& T);

template <typename Number>
void Subtract(const Array2<Number>& A, Int r, Int c, const Array2<Number>& B, Array2<Number>& C);

// The standard deviation of unit weight sqrt(sum V(i,1)^2 / (m - n)).
template <typename Number>
Number SDUnitWt(const Array2<Number>& V, Int m, Int n);

// X(0,0) = SDUnitWt; X(i,2) = sqrt(Qxx(i,i)) * X(0,0).
template <typename Number>
void StdDev(const Array2<Number>& Qxx, Int m, Int n, const Array2<Number>& V, Array2<Number>& X);

enum class LeastSquaresResult {
  Solved,
  // The design's columns are linearly dependent (to working precision): there
  // is no unique solution, and X is left untouched.
  RankDeficient,
  // An input or an estimate is not finite, or would not be in doubles. X is
  // left untouched.
  OutOfRange,
  // The estimates are there, but a standard deviation or the standard
  // deviation of unit weight is not finite although there is redundancy: it
  // went beyond the range of doubles. X holds the estimates and those values.
  DeviationsOutOfRange,
};

// A diagonal element of R (of the design with its columns scaled by powers
// of two to lengths between 1/2 and 1) at or below rank_tolerance times the largest counts as zero.
// For doubles the default refuses designs dependent to working precision; sound geometry at survey
// scale stays orders of magnitude above it. DoubleDouble resolves 2^53 times finer, and its default
// is as much smaller. 0 refuses only exactly dependent columns, for callers that judge a
// near-singular result themselves.
template <typename Number>
inline constexpr double kDefaultRankTolerance = 1e-10;
template <>
inline constexpr double kDefaultRankTolerance<DoubleDouble> = 1e-26;

// Unweighted least squares for A·X = L with m observations and n unknowns:
// the estimates are added into X(i,1), their standard deviations go to X(i,2)
// and the standard deviation of unit weight to X(0,0). Solved by Householder
// QR of A with its columns scaled, not by the normal equations, whose squared
// condition number loses centimetres at survey scale. At most 20 observations
// and 10 unknowns (OutOfBoundsException).
//
// The steps, with S the diagonal of powers of two that bring the columns of A
// to lengths between 1/2 and 1, and t the power of two that brings the largest
// |L(i)| into [1/2, 1), both exact:
//   W = A·S, b = t·L;
//   Qᵀ·W = [R; 0] and Qᵀ·b = [c; d] by n Householder reflections (Q is never
//   formed);
//   refused (RankDeficient) unless every |R(k,k)| > rank_tolerance·max |R(k,k)|;
//   x = S·R⁻¹·c / t, with R⁻¹ by back substitution, and X(i,1) += x(i);
//   V = A·X - L, which is d / t (as to its sum of squares) when X held zeros;
//   X(0,0) = s0 = sqrt(VᵀV / (m - n));
//   Qxx = (AᵀA)⁻¹ = S·R⁻¹·R⁻ᵀ·S, of which only the diagonal is formed, and
//   X(i,2) = sqrt(Qxx(i,i))·s0.
template <typename Number>
LeastSquaresResult LeastSquares(const Array2<Number>& A, Int m, Int n, const Array2<Number>& L,
                                Array2<Number>& X,
                                double rank_tolerance = kDefaultRankTolerance<Number>);

}  // namespace Matrix
