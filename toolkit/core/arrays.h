#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/core/exceptions.h"

namespace korvanta {

[[noreturn]] void ThrowOutOfBounds(std::int64_t index, std::int64_t upper);

// Arrays are declared by their upper bounds and indexed from 0, as the file
// formats and the matrix routines count from 1 and leave row 0 unused. Every
// element starts as the value-initialised T (0.0 or the empty text); an index
// outside the bounds throws OutOfBoundsException instead of reading stray memory.
template <typename T>
class Array1 {
 public:
  explicit Array1(std::int64_t upper) : upper_(upper), data_(Size(upper)) {}

  T& operator()(std::int64_t i) { return data_[Index(i)]; }
  const T& operator()(std::int64_t i) const { return data_[Index(i)]; }
  std::int64_t UBound() const { return upper_; }

 private:
  static std::size_t Size(std::int64_t upper) {
    if (upper < -1) ThrowOutOfBounds(upper, -1);
    return static_cast<std::size_t>(upper + 1);
  }
  std::size_t Index(std::int64_t i) const {
    if (i < 0 || i > upper_) ThrowOutOfBounds(i, upper_);
    return static_cast<std::size_t>(i);
  }

  std::int64_t upper_;
  std::vector<T> data_;
};

template <typename T>
class Array2 {
 public:
  Array2(std::int64_t rows, std::int64_t cols)
      : rows_(rows), cols_(cols), data_(Size(rows) * Size(cols)) {}

  T& operator()(std::int64_t r, std::int64_t c) { return data_[Index(r, c)]; }
  const T& operator()(std::int64_t r, std::int64_t c) const { return data_[Index(r, c)]; }
  std::int64_t UBound1() const { return rows_; }
  std::int64_t UBound2() const { return cols_; }

 private:
  static std::size_t Size(std::int64_t upper) {
    if (upper < -1) ThrowOutOfBounds(upper, -1);
    return static_cast<std::size_t>(upper + 1);
  }
  std::size_t Index(std::int64_t r, std::int64_t c) const {
    if (r < 0 || r > rows_) ThrowOutOfBounds(r, rows_);
    if (c < 0 || c > cols_) ThrowOutOfBounds(c, cols_);
    return static_cast<std::size_t>(r) * Size(cols_) + static_cast<std::size_t>(c);
  }

  std::int64_t rows_;
  std::int64_t cols_;
  std::vector<T> data_;
};

using DoubleArray2 = Array2<double>;
using TextArray2 = Array2<std::string>;
using TextArray1 = Array1<std::string>;

}  // namespace korvanta
