#include "matrix/matrix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tests/support/message_recorder.h"

namespace {

using korvanta::DoubleArray2;
using Matrix::Int;

DoubleArray2 FromRows(const std::vector<std::vector<double>>& rows, Int ubound1 = 10,
                      Int ubound2 = 10) {
  DoubleArray2 a(ubound1, ubound2);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    for (std::size_t j = 0; j < rows[i].size(); ++j) {
      a(static_cast<Int>(i) + 1, static_cast<Int>(j) + 1) = rows[i][j];
    }
  }
  return a;
}

TEST(Inverse, TwoByTwo) {
  DoubleArray2 a = FromRows({{2, 1}, {1, 1}});
  ASSERT_TRUE(Matrix::Inverse(a, 2));
  EXPECT_DOUBLE_EQ(a(1, 1), 1);
  EXPECT_DOUBLE_EQ(a(1, 2), -1);
  EXPECT_DOUBLE_EQ(a(2, 1), -1);
  EXPECT_DOUBLE_EQ(a(2, 2), 2);
}

TEST(Inverse, ExchangesRowsForAZeroPivot) {
  DoubleArray2 a = FromRows({{0, 1}, {1, 0}});
  ASSERT_TRUE(Matrix::Inverse(a, 2));
  EXPECT_EQ(a(1, 1), 0);
  EXPECT_EQ(a(1, 2), 1);
  EXPECT_EQ(a(2, 1), 1);
  EXPECT_EQ(a(2, 2), 0);
}

TEST(Inverse, ThreeByThreeNeedingPivotsTimesOriginalIsIdentity) {
  const std::vector<std::vector<double>> rows{{0, 2, 1}, {1, 0, 3}, {4, 1, 0}};
  DoubleArray2 a = FromRows(rows);
  const DoubleArray2 original = FromRows(rows);
  ASSERT_TRUE(Matrix::Inverse(a, 3));
  DoubleArray2 product(10, 10);
  Matrix::Multiply(original, 3, 3, a, 3, 3, product);
  for (Int i = 1; i <= 3; ++i) {
    for (Int j = 1; j <= 3; ++j) EXPECT_NEAR(product(i, j), i == j ? 1.0 : 0.0, 1e-15);
  }
}

TEST(Inverse, OneByOneAndEmpty) {
  DoubleArray2 a = FromRows({{4}});
  ASSERT_TRUE(Matrix::Inverse(a, 1));
  EXPECT_EQ(a(1, 1), 0.25);
  EXPECT_TRUE(Matrix::Inverse(a, 0));
  EXPECT_EQ(a(1, 1), 0.25);
}

TEST(Inverse, SingularIsReportedAndLeavesTheMatrixAlone) {
  DoubleArray2 a = FromRows({{1, 2}, {2, 4}});
  EXPECT_FALSE(Matrix::Inverse(a, 2));
  EXPECT_EQ(a(1, 1), 1);
  EXPECT_EQ(a(2, 2), 4);
  DoubleArray2 zero(2, 2);
  EXPECT_FALSE(Matrix::Inverse(zero, 1));
}

TEST(Inverse, OnlyTheBlockChanges) {
  DoubleArray2 a = FromRows({{2, 0, 9}, {0, 4, 9}, {9, 9, 9}});
  ASSERT_TRUE(Matrix::Inverse(a, 2));
  EXPECT_EQ(a(1, 1), 0.5);
  EXPECT_EQ(a(2, 2), 0.25);
  EXPECT_EQ(a(1, 3), 9);
  EXPECT_EQ(a(3, 3), 9);
}

TEST(Multiply, MismatchShowsTheMessageOnceAndLeavesTheOutput) {
  korvanta::testing::MessageRecorder messages;
  const DoubleArray2 a = FromRows({{1, 2}});
  const DoubleArray2 b = FromRows({{1, 2}});
  DoubleArray2 c = FromRows({{7, 7}});
  Matrix::Multiply(a, 1, 2, b, 1, 2, c);
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0], "Matricies can't be multiplied becasue rows/columns don't match.");
  EXPECT_EQ(c(1, 1), 7);
  EXPECT_EQ(c(1, 2), 7);
}

TEST(Multiply, AddsIntoWhatTheOutputHolds) {
  const DoubleArray2 a = FromRows({{1, 2}, {3, 4}});
  const DoubleArray2 b = FromRows({{5}, {6}});
  DoubleArray2 c = FromRows({{100}, {200}});
  Matrix::Multiply(a, 2, 2, b, 2, 1, c);
  EXPECT_EQ(c(1, 1), 117);
  EXPECT_EQ(c(2, 1), 239);
}

TEST(TransposeAndSubtract, TouchOnlyTheGivenBlock) {
  const DoubleArray2 a = FromRows({{1, 2, 3}, {4, 5, 6}});
  DoubleArray2 t(10, 10);
  t(3, 3) = 42;
  Matrix::Transpose(a, 2, 3, t);
  EXPECT_EQ(t(1, 2), 4);
  EXPECT_EQ(t(3, 1), 3);
  EXPECT_EQ(t(3, 3), 42);
  DoubleArray2 c(10, 10);
  Matrix::Subtract(a, 2, 3, t, c);
  EXPECT_EQ(c(1, 2), 2 - 4);
  EXPECT_EQ(c(2, 3), 6 - 0);
}

TEST(SDUnitWt, ZeroRedundancyIsNotFinite) {
  DoubleArray2 v = FromRows({{0}, {0}});
  EXPECT_TRUE(std::isnan(Matrix::SDUnitWt(v, 2, 2)));
  v(1, 1) = 1;
  EXPECT_TRUE(std::isinf(Matrix::SDUnitWt(v, 2, 2)));
}

class LeastSquaresTest : public ::testing::Test {
 protected:
  DoubleArray2 A = FromRows({{1, 0}, {0, 1}, {1, 1}}, 20, 2);
  DoubleArray2 L = FromRows({{1}, {2}, {4}}, 20, 2);
  DoubleArray2 X{2, 2};
};

TEST_F(LeastSquaresTest, ThreeObservationsTwoUnknowns) {
  ASSERT_EQ(Matrix::LeastSquares(A, 3, 2, L, X), Matrix::LeastSquaresResult::Solved);
  EXPECT_NEAR(X(1, 1), 4.0 / 3.0, 1e-15);
  EXPECT_NEAR(X(2, 1), 7.0 / 3.0, 1e-15);
  EXPECT_NEAR(X(0, 0), std::sqrt(1.0 / 3.0), 1e-15);
  EXPECT_NEAR(X(1, 2), std::sqrt(2.0) / 3.0, 1e-15);
  EXPECT_NEAR(X(2, 2), std::sqrt(2.0) / 3.0, 1e-15);
  EXPECT_EQ(X(0, 1), 0.0);
  EXPECT_EQ(X(1, 0), 0.0);
}

TEST_F(LeastSquaresTest, SecondCallOnTheSameResultAddsTheEstimates) {
  ASSERT_EQ(Matrix::LeastSquares(A, 3, 2, L, X), Matrix::LeastSquaresResult::Solved);
  ASSERT_EQ(Matrix::LeastSquares(A, 3, 2, L, X), Matrix::LeastSquaresResult::Solved);
  EXPECT_NEAR(X(1, 1), 8.0 / 3.0, 1e-14);
  EXPECT_NEAR(X(2, 1), 14.0 / 3.0, 1e-14);
  // Residuals of the doubled estimates: 8/3 - 1, 14/3 - 2, 22/3 - 4.
  const double s = std::pow(5.0 / 3, 2) + std::pow(8.0 / 3, 2) + std::pow(10.0 / 3, 2);
  EXPECT_NEAR(X(0, 0), std::sqrt(s), 1e-13);
}

TEST_F(LeastSquaresTest, ExactFitHasNonFiniteStandardDeviations) {
  ASSERT_EQ(Matrix::LeastSquares(A, 2, 2, L, X), Matrix::LeastSquaresResult::Solved);
  EXPECT_NEAR(X(1, 1), 1.0, 1e-15);
  EXPECT_NEAR(X(2, 1), 2.0, 1e-15);
  EXPECT_FALSE(std::isfinite(X(0, 0)));
  EXPECT_FALSE(std::isfinite(X(1, 2)));
  EXPECT_FALSE(std::isfinite(X(2, 2)));
}

TEST_F(LeastSquaresTest, DependentColumnsAreReportedAndTheResultIsUntouched) {
  DoubleArray2 dependent = FromRows({{1, 2}, {2, 4}, {3, 6}}, 20, 2);
  X(1, 1) = 5;
  EXPECT_EQ(Matrix::LeastSquares(dependent, 3, 2, L, X), Matrix::LeastSquaresResult::RankDeficient);
  DoubleArray2 zero_column = FromRows({{1, 0}, {2, 0}, {3, 0}}, 20, 2);
  EXPECT_EQ(Matrix::LeastSquares(zero_column, 3, 2, L, X),
            Matrix::LeastSquaresResult::RankDeficient);
  EXPECT_EQ(Matrix::LeastSquares(A, 1, 2, L, X), Matrix::LeastSquaresResult::RankDeficient);
  EXPECT_EQ(X(1, 1), 5);
  EXPECT_EQ(X(1, 2), 0);
  EXPECT_EQ(X(0, 0), 0);
}

TEST(LeastSquares, BeyondTheCapacitiesIsOutOfBounds) {
  DoubleArray2 A(21, 11);
  DoubleArray2 L(21, 2);
  DoubleArray2 X(11, 2);
  for (Int i = 1; i <= 21; ++i) A(i, 1) = 1;
  EXPECT_THROW(Matrix::LeastSquares(A, 21, 1, L, X), korvanta::OutOfBoundsException);
  EXPECT_THROW(Matrix::LeastSquares(A, 20, 11, L, X), korvanta::OutOfBoundsException);
  EXPECT_EQ(X(1, 1), 0);
}

}  // namespace
