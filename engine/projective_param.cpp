#include <array>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "engine/control_point.h"
#include "engine/estimation_causes.h"
#include "engine/models.h"
#include "engine/projective_passes.h"
#include "engine/transform_engine.h"
#include "engine/vanishing_line.h"
#include "matrix/matrix.h"
#include "toolkit/core/message.h"
#include "toolkit/core/text.h"

namespace korvanta {
namespace {

constexpr std::string_view kModel = kProjective.name;
constexpr std::int64_t kUnknowns = kProjective.coefficients;
// The initial values come from the first four points, whatever K is: the
// fewest that determine the model.
constexpr std::int64_t kInitialPoints = kProjective.minimum;

// The estimation computes in double-double numbers. At survey coordinates a1
// and a3 (and b1 and b3) act almost alike, and in doubles the rounding noise
// of each pass's corrections stays above the threshold: the passes would run
// to the limit and warn on a fit that is good to the millimetre.
using Number = Matrix::DoubleDouble;
using NumberArray2 = Matrix::DoubleDoubleArray2;
using Row = std::array<Number, kUnknowns>;

void SetEquation(NumberArray2& A, NumberArray2& L, std::int64_t r, const Row& row,
                 const Number& l) {
  for (std::int64_t j = 1; j <= kUnknowns; ++j) A(r, j) = row[static_cast<std::size_t>(j - 1)];
  L(r, 1) = l;
}

bool AllFinite(const Row& row, const Number& l) {
  for (const Number& v : row) {
    if (!IsFinite(v)) return false;
  }
  return IsFinite(l);
}

// The initial system is singular when two of its four points coincide or
// three lie on one line; name them rather than leave it to the rank test.
// Points after the first four may repeat any other: the passes take them as
// observations like the rest.
bool HasSoundInitialPoints(const ControlPoints& points) {
  const std::string role = "; the first 4 control points give its initial values, and no ";
  for (std::int64_t a = 1; a <= kInitialPoints; ++a) {
    for (std::int64_t b = a + 1; b <= kInitialPoints; ++b) {
      if (!SamePlace(points(a), points(b))) continue;
      ReportUnsolvable(kModel, DescribeControlPoint(a) + " and " + DescribeControlPoint(b) +
                                   " have the same x, y" + role + "two of them may.");
      return false;
    }
  }
  for (std::int64_t a = 1; a <= kInitialPoints; ++a) {
    for (std::int64_t b = a + 1; b <= kInitialPoints; ++b) {
      for (std::int64_t c = b + 1; c <= kInitialPoints; ++c) {
        if (!AreCollinear(points, {a, b, c})) continue;
        ReportUnsolvable(kModel, DescribeControlPoint(a) + ", " + DescribeControlPoint(b) +
                                     " and " + DescribeControlPoint(c) +
                                     " lie on one line in x, y" + role + "three of them may.");
        return false;
      }
    }
  }
  return true;
}

// E·D = P and N·D = Q for points 1 to 4, which are linear in all eight
// coefficients: their exact solution starts the passes.
bool SolveInitialValues(const ControlPoints& points, NumberArray2& values) {
  NumberArray2 A(2 * TransformEngine::kEstimationCapacity, kUnknowns);
  NumberArray2 L(2 * TransformEngine::kEstimationCapacity, 2);
  NumberArray2 X(kUnknowns, 2);
  for (std::int64_t i = 2; i <= 2 * kInitialPoints; i += 2) {
    const ControlPoint& p = points(i / 2);
    const Number E = p.E;
    const Number N = p.N;
    SetEquation(A, L, i - 1, {p.x, p.y, 1.0, 0.0, 0.0, 0.0, -E * p.x, -E * p.y}, E);
    SetEquation(A, L, i, {0.0, 0.0, 0.0, p.x, p.y, 1.0, -N * p.x, -N * p.y}, N);
  }
  const auto result = Matrix::LeastSquares(A, 2 * kInitialPoints, kUnknowns, L, X);
  if (result != Matrix::LeastSquaresResult::Solved) {
    ReportUnsolvable(kModel, AdjustmentCause(result, ControlPoints(kInitialPoints),
                                             "control points 1 to 4, which give its initial "
                                             "values, do not determine it uniquely."));
    return false;
  }
  for (std::int64_t j = 1; j <= kUnknowns; ++j) values(j, 1) = X(j, 1);
  return true;
}

void ReportFailedPass(std::int64_t pass, const std::string& cause) {
  ReportUnsolvable(kModel, "in pass " + Int64ToString(pass) + ", " + cause);
}

// The model linearised at the current values: for each point the partial
// derivatives of P / D and Q / D and the misclosures, observed minus computed.
bool Linearise(const ControlPoints& points, std::int64_t pass, const NumberArray2& values,
               NumberArray2& A, NumberArray2& L) {
  const Number& a1 = values(1, 1);
  const Number& b1 = values(2, 1);
  const Number& c1 = values(3, 1);
  const Number& a2 = values(4, 1);
  const Number& b2 = values(5, 1);
  const Number& c2 = values(6, 1);
  const Number& a3 = values(7, 1);
  const Number& b3 = values(8, 1);
  for (std::int64_t l = 2; l <= 2 * points.Count(); l += 2) {
    const std::int64_t u = l / 2;
    const ControlPoint& p = points(u);
    const Number x_term = a3 * p.x;
    const Number y_term = b3 * p.y;
    const Number D = (x_term + y_term) + 1.0;
    const Number P = (a1 * p.x + b1 * p.y) + c1;
    const Number Q = (a2 * p.x + b2 * p.y) + c2;
    if (IsZeroDenominator(ToDouble(D), ToDouble(x_term), ToDouble(y_term))) {
      ReportFailedPass(pass, "D = a3*x + b3*y + 1 is zero at " + DescribeControlPoint(u) + ".");
      return false;
    }
    // One quotient serves every term: in double-double numbers, multiplying
    // by 1/D is as exact as dividing by D.
    const Number inverse = 1.0 / D;
    const Number x_D = inverse * p.x;
    const Number y_D = inverse * p.y;
    const Number P_D = P * inverse;
    const Number Q_D = Q * inverse;
    const Number PD2 = P_D * inverse;
    const Number QD2 = Q_D * inverse;
    const Row e_row{x_D, y_D, inverse, 0.0, 0.0, 0.0, -PD2 * p.x, -PD2 * p.y};
    const Row n_row{0.0, 0.0, 0.0, x_D, y_D, inverse, -QD2 * p.x, -QD2 * p.y};
    const Number e_misclosure = p.E - P_D;
    const Number n_misclosure = p.N - Q_D;
    if (!AllFinite(e_row, e_misclosure) || !AllFinite(n_row, n_misclosure)) {
      ReportFailedPass(pass, "the equations of " + DescribeControlPoint(u) +
                                 " are beyond the range of numbers.");
      return false;
    }
    SetEquation(A, L, l - 1, e_row, e_misclosure);
    SetEquation(A, L, l, n_row, n_misclosure);
  }
  return true;
}

// One adjustment for the corrections, added to the values; the values keep
// the adjustment's standard deviations.
bool Correct(std::int64_t K, std::int64_t pass, const NumberArray2& A, const NumberArray2& L,
             NumberArray2& X, NumberArray2& values) {
  // LeastSquares adds into column 1; column 2 and X(0, 0) it writes afresh.
  for (std::int64_t j = 1; j <= kUnknowns; ++j) X(j, 1) = 0.0;
  // A diverging estimation drives its linearised equations towards
  // singularity; its passes still run out to the limit and end with the
  // non-convergence message, which tells the user the values mean nothing.
  // Only exactly dependent equations or non-finite numbers end it early.
  const auto result = Matrix::LeastSquares(A, 2 * K, kUnknowns, L, X, 0.0);
  if (result == Matrix::LeastSquaresResult::RankDeficient) {
    ReportFailedPass(pass, "the linearised equations do not determine the corrections uniquely.");
    return false;
  }
  // The standard deviations of a diverging pass may go beyond the range;
  // its values still go on to the next pass or to the report.
  bool finite = result != Matrix::LeastSquaresResult::OutOfRange;
  for (std::int64_t j = 1; finite && j <= kUnknowns; ++j) {
    finite = IsFinite(X(j, 1) + values(j, 1));
  }
  if (!finite) {
    ReportFailedPass(pass, "the corrections drive the coefficients beyond the range of numbers.");
    return false;
  }
  for (std::int64_t j = 1; j <= kUnknowns; ++j) {
    values(j, 1) = X(j, 1) + values(j, 1);
    values(j, 2) = X(j, 2);
  }
  return true;
}

}  // namespace

double LargestCorrection(const DoubleArray2& X, std::int64_t n) {
  double largest = 0.0;
  for (std::int64_t j = 1; j <= n; ++j) {
    if (std::fabs(X(j, 1)) > std::fabs(largest)) largest = X(j, 1);
  }
  return largest;
}

bool PassesEnd(std::int64_t k, double largest) {
  return k > kProjectivePassLimit || std::fabs(largest) < kProjectiveThreshold;
}

bool EstimateProjective(std::int64_t K, std::vector<ProjectivePass>* passes) {
  if (!AdmitsControlCount(kProjective, K)) return false;
  const ControlPoints points(K);
  if (!HasSoundInitialPoints(points)) return false;

  // Coeff and CoeffID stay as the caller cleared them until the passes have
  // succeeded: a failed estimation leaves nothing to report.
  NumberArray2 values(kUnknowns, 2);
  if (!SolveInitialValues(points, values)) return false;
  NumberArray2 A(2 * TransformEngine::kEstimationCapacity, kUnknowns);
  NumberArray2 L(2 * TransformEngine::kEstimationCapacity, 2);
  NumberArray2 X(kUnknowns, 2);
  DoubleArray2 corrections(kUnknowns, 1);
  std::int64_t k = 0;
  double largest = 0.0;
  do {
    if (!Linearise(points, k + 1, values, A, L) || !Correct(K, k + 1, A, L, X, values)) {
      return false;
    }
    for (std::int64_t j = 1; j <= kUnknowns; ++j) corrections(j, 1) = ToDouble(X(j, 1));
    largest = LargestCorrection(corrections, kUnknowns);
    ++k;
    if (passes != nullptr) passes->push_back({largest, ToDouble(X(0, 0))});
  } while (!PassesEnd(k, largest));

  for (std::int64_t j = 1; j <= kUnknowns; ++j) {
    TransformEngine::Coeff(j, 1) = ToDouble(values(j, 1));
    TransformEngine::Coeff(j, 2) = ToDouble(values(j, 2));
    TransformEngine::CoeffID(j) = std::string(kProjective.labels[static_cast<std::size_t>(j - 1)]);
  }
  TransformEngine::ProjectiveControlSide =
      ControlSide(TransformEngine::Coeff(7, 1), TransformEngine::Coeff(8, 1), K);
  // The values of the last pass stay for the report, with this warning.
  // Its wording and spelling ("Soution") are kept on purpose, as users know
  // them; tests compare it word for word. Do not correct it.
  if (k > kProjectivePassLimit) {
    MessageBox("Soution did not converge within ten iterations" + std::string(EndOfLine) +
               "Check your control file.");
  }
  return true;
}

bool TransformEngine::ProjectiveParam(std::int64_t K) {
  return EstimateProjective(K, nullptr);
}

}  // namespace korvanta
