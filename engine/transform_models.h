#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/models.h"

namespace korvanta {

// The coefficients of one model as read from Coeff, index k for row k + 1:
// their values and their standard deviations.
struct CoefficientValues {
  static constexpr std::int64_t kMaxCount = ModelFacts::kMaxCoefficients;
  std::array<double, kMaxCount> value{};
  std::array<double, kMaxCount> sd{};
};

// One transformed point: its target coordinates and their standard deviations.
struct TransformedPoint {
  double E;
  double N;
  double SDe;
  double SDn;
};

// What distinguishes the three transformations: the model (the results
// window's title, how many rows of Coeff it reads) and its formulas.
struct TransformModel {
  const ModelFacts& facts;
  TransformedPoint (*transform)(double x, double y, const CoefficientValues& c);
};

const TransformModel& ConformalModel();
const TransformModel& AffineModel();
const TransformModel& ProjectiveModel();

// Rows 1 to count of Coeff.
CoefficientValues ReadCoefficients(std::int64_t count);

// The line of one point in the output file and the results window (without a
// line end): ID as stored, E, N, SDe, SDn joined by ", ".
std::string TransformedLine(std::string_view id, const TransformedPoint& point);

// The lines of points 1 to n of Points under the model and the coefficients
// in Coeff. Touches no window and no file.
std::vector<std::string> TransformedLines(const TransformModel& model, std::int64_t n);

}  // namespace korvanta
