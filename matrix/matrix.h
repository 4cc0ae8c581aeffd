#pragma once

#include <cstdint>

#include "toolkit/core/arrays.h"

// Dense matrix routines on caller-owned arrays. A matrix of m rows and n
// columns occupies rows 1 to m and columns 1 to n; every dimension is passed
// in, and no routine asks an array for its bounds.
namespace Matrix {

using korvanta::DoubleArray2;
using Int = std::int64_t;

// Replaces the n x n block of A with its inverse (Gauss-Jordan with row
// exchanges). Returns false, and leaves A unchanged, when A is singular: a
// zero or non-finite pivot would otherwise spread NaN through the result.
bool Inverse(DoubleArray2& A, Int n);

// Adds A·B into rows 1 to rA, columns 1 to cB of C; C is never cleared. When
// cA differs from rB it shows a message and changes nothing.
void Multiply(const DoubleArray2& A, Int rA, Int cA, const DoubleArray2& B, Int rB, Int cB,
              DoubleArray2& C);

void Transpose(const DoubleArray2& A, Int r, Int c, DoubleArray2& T);

void Subtract(const DoubleArray2& A, Int r, Int c, const DoubleArray2& B, DoubleArray2& C);

// The standard deviation of unit weight sqrt(sum V(i,1)^2 / (m - n)).
double SDUnitWt(const DoubleArray2& V, Int m, Int n);

// X(0,0) = SDUnitWt; X(i,2) = sqrt(Qxx(i,i)) * X(0,0).
void StdDev(const DoubleArray2& Qxx, Int m, Int n, const DoubleArray2& V, DoubleArray2& X);

enum class LeastSquaresResult {
  Solved,
  // The design's columns are linearly dependent (to working precision): there
  // is no unique solution, and X is left untouched.
  RankDeficient,
};

// Unweighted least squares for A·X = L with m observations and n unknowns:
// the estimates are added into X(i,1), their standard deviations go to X(i,2)
// and the standard deviation of unit weight to X(0,0). Solved by Householder
// QR of A with its columns scaled to unit length, not by the normal
// equations, whose squared condition number loses centimetres at survey
// scale. At most 20 observations and 10 unknowns (OutOfBoundsException).
//
// A diagonal element of R (of the scaled design, every column of length 1)
// at or below rank_tolerance times the largest counts as zero. The default
// refuses designs dependent to working precision; sound geometry at survey
// scale stays orders of magnitude above it. 0 refuses only exactly dependent
// columns, for callers that judge a near-singular result themselves.
inline constexpr double kDefaultRankTolerance = 1e-10;
LeastSquaresResult LeastSquares(const DoubleArray2& A, Int m, Int n, const DoubleArray2& L,
                                DoubleArray2& X, double rank_tolerance = kDefaultRankTolerance);

}  // namespace Matrix
