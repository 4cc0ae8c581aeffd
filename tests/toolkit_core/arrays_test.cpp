#include "toolkit/core/arrays.h"

#include <gtest/gtest.h>

namespace korvanta {
namespace {

TEST(Arrays, NewArraysHoldZeroAndEmptyText) {
  DoubleArray2 d(10, 2);
  TextArray2 t(25, 5);
  TextArray1 one(10);
  for (std::int64_t r = 0; r <= 10; ++r) {
    for (std::int64_t c = 0; c <= 2; ++c) EXPECT_EQ(d(r, c), 0.0);
    EXPECT_EQ(one(r), "");
  }
  EXPECT_EQ(t(25, 5), "");
  EXPECT_EQ(t(0, 0), "");
}

TEST(Arrays, IndexBeyondEitherBoundThrows) {
  DoubleArray2 d(20, 4);
  EXPECT_THROW(d(21, 1), OutOfBoundsException);
  EXPECT_THROW(d(1, 5), OutOfBoundsException);
  EXPECT_THROW(d(-1, 0), OutOfBoundsException);
  EXPECT_NO_THROW(d(20, 4));
  TextArray1 t(10);
  EXPECT_THROW(t(11), OutOfBoundsException);
  EXPECT_THROW(t(-1), OutOfBoundsException);
}

TEST(Arrays, ElementsAreIndependent) {
  DoubleArray2 d(2, 3);
  d(1, 2) = 7.5;
  EXPECT_EQ(d(1, 2), 7.5);
  EXPECT_EQ(d(2, 1), 0.0);
  EXPECT_EQ(d(1, 3), 0.0);
}

}  // namespace
}  // namespace korvanta
