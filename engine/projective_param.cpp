#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "engine/control_point.h"
#include "engine/projective_passes.h"
#include "engine/transform_engine.h"
#include "matrix/matrix.h"
#include "toolkit/core/message.h"
#include "toolkit/core/text.h"

namespace korvanta {
namespace {

constexpr std::string_view kModel = "Projective";
constexpr std::int64_t kUnknowns = 8;
// The initial values come from the first four points, whatever K is.
constexpr std::int64_t kInitialPoints = 4;
constexpr std::array<std::string_view, kUnknowns> kLabels{"a1", "b1", "c1", "a2",
                                                          "b2", "c2", "a3", "b3"};

using Row = std::array<double, kUnknowns>;

void SetEquation(DoubleArray2& A, DoubleArray2& L, std::int64_t r, const Row& row, double l) {
  for (std::int64_t j = 1; j <= kUnknowns; ++j) A(r, j) = row[static_cast<std::size_t>(j - 1)];
  L(r, 1) = l;
}

bool IsFinite(const Row& row, double l) {
  for (const double v : row) {
    if (!std::isfinite(v)) return false;
  }
  return std::isfinite(l);
}

// The initial system is singular when three of its four points lie on one
// line; name them rather than leave it to the rank test.
bool HasSoundInitialPoints() {
  for (std::int64_t a = 1; a <= kInitialPoints; ++a) {
    for (std::int64_t b = a + 1; b <= kInitialPoints; ++b) {
      for (std::int64_t c = b + 1; c <= kInitialPoints; ++c) {
        if (!AreCollinear({a, b, c})) continue;
        ReportUnsolvable(kModel, DescribeControlPoint(a) + ", " + DescribeControlPoint(b) +
                                     " and " + DescribeControlPoint(c) +
                                     " lie on one line in x, y; the first 4 control points give "
                                     "its initial values, and no three of them may.");
        return false;
      }
    }
  }
  return true;
}

// E·D = P and N·D = Q for points 1 to 4, which are linear in all eight
// coefficients: their exact solution starts the passes.
bool SolveInitialValues(DoubleArray2& values) {
  DoubleArray2 A(20, kUnknowns);
  DoubleArray2 L(20, 2);
  DoubleArray2 X(kUnknowns, 2);
  for (std::int64_t i = 2; i <= 2 * kInitialPoints; i += 2) {
    const ControlPoint p = ControlPointAt(i / 2);
    SetEquation(A, L, i - 1, {p.x, p.y, 1.0, 0.0, 0.0, 0.0, -p.E * p.x, -p.E * p.y}, p.E);
    SetEquation(A, L, i, {0.0, 0.0, 0.0, p.x, p.y, 1.0, -p.N * p.x, -p.N * p.y}, p.N);
  }
  if (Matrix::LeastSquares(A, 2 * kInitialPoints, kUnknowns, L, X) !=
      Matrix::LeastSquaresResult::Solved) {
    ReportUnsolvable(kModel,
                     "control points 1 to 4, which give its initial values, do not determine it "
                     "uniquely.");
    return false;
  }
  for (std::int64_t j = 1; j <= kUnknowns; ++j) values(j, 1) = X(j, 1);
  return true;
}

void ReportFailedPass(std::int64_t pass, const std::string& cause) {
  ReportUnsolvable(kModel, "in pass " + Int64ToString(pass) + ", " + cause);
}

// D within a few roundings of its own terms: the point lies on the line that
// the current coefficients send to infinity, and E = P / D means nothing there.
bool IsZeroDenominator(double D, double x_term, double y_term) {
  constexpr double kRounding = 16.0 * std::numeric_limits<double>::epsilon();
  return std::fabs(D) <= kRounding * ((std::fabs(x_term) + std::fabs(y_term)) + 1.0);
}

// The model linearised at the current values: for each point the partial
// derivatives of P / D and Q / D and the misclosures, observed minus computed.
bool Linearise(std::int64_t K, std::int64_t pass, const DoubleArray2& values, DoubleArray2& A,
               DoubleArray2& L) {
  const double a1 = values(1, 1);
  const double b1 = values(2, 1);
  const double c1 = values(3, 1);
  const double a2 = values(4, 1);
  const double b2 = values(5, 1);
  const double c2 = values(6, 1);
  const double a3 = values(7, 1);
  const double b3 = values(8, 1);
  for (std::int64_t l = 2; l <= 2 * K; l += 2) {
    const std::int64_t u = l / 2;
    const ControlPoint p = ControlPointAt(u);
    const double D = (p.x * a3 + p.y * b3) + 1.0;
    const double P = (p.x * a1 + p.y * b1) + c1;
    const double Q = (p.x * a2 + p.y * b2) + c2;
    if (IsZeroDenominator(D, p.x * a3, p.y * b3)) {
      ReportFailedPass(pass, "D = a3*x + b3*y + 1 is zero at " + DescribeControlPoint(u) + ".");
      return false;
    }
    const double D2 = D * D;
    const Row e_row{p.x / D, p.y / D, 1.0 / D, 0.0, 0.0, 0.0, -(P / D2) * p.x, -(P / D2) * p.y};
    const Row n_row{0.0, 0.0, 0.0, p.x / D, p.y / D, 1.0 / D, -(Q / D2) * p.x, -(Q / D2) * p.y};
    const double e_misclosure = p.E - P / D;
    const double n_misclosure = p.N - Q / D;
    if (!IsFinite(e_row, e_misclosure) || !IsFinite(n_row, n_misclosure)) {
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
bool Correct(std::int64_t K, std::int64_t pass, const DoubleArray2& A, const DoubleArray2& L,
             DoubleArray2& X, DoubleArray2& values) {
  // LeastSquares adds into column 1; column 2 and X(0, 0) it writes afresh.
  for (std::int64_t j = 1; j <= kUnknowns; ++j) X(j, 1) = 0.0;
  // A diverging estimation drives its linearised equations towards
  // singularity; its passes still run out to the limit and end with the
  // non-convergence message, which tells the user the values mean nothing.
  // Only exactly dependent equations or non-finite numbers end it early.
  if (Matrix::LeastSquares(A, 2 * K, kUnknowns, L, X, 0.0) != Matrix::LeastSquaresResult::Solved) {
    ReportFailedPass(pass, "the linearised equations do not determine the corrections uniquely.");
    return false;
  }
  for (std::int64_t j = 1; j <= kUnknowns; ++j) {
    if (!std::isfinite(X(j, 1) + values(j, 1))) {
      ReportFailedPass(pass, "the corrections drive the coefficients beyond the range of numbers.");
      return false;
    }
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
  if (!AdmitsControlCount(kModel, K)) return false;
  if (K < kInitialPoints) {
    ReportUnsolvable(kModel, "it needs at least 4 control points; the count field asks for " +
                                 Int64ToString(K) + ".");
    return false;
  }
  if (ReportCoincidentControlPoints(kModel, K) || !HasSoundInitialPoints()) return false;

  // Coeff and CoeffID stay as the caller cleared them until the passes have
  // succeeded: a failed estimation leaves nothing to report.
  DoubleArray2 values(kUnknowns, 2);
  if (!SolveInitialValues(values)) return false;
  DoubleArray2 A(20, kUnknowns);
  DoubleArray2 L(20, 2);
  DoubleArray2 X(kUnknowns, 2);
  std::int64_t k = 0;
  double largest = 0.0;
  do {
    if (!Linearise(K, k + 1, values, A, L) || !Correct(K, k + 1, A, L, X, values)) return false;
    largest = LargestCorrection(X, kUnknowns);
    ++k;
    if (passes != nullptr) passes->push_back({largest, X(0, 0)});
  } while (!PassesEnd(k, largest));

  for (std::int64_t j = 1; j <= kUnknowns; ++j) {
    TransformEngine::Coeff(j, 1) = values(j, 1);
    TransformEngine::Coeff(j, 2) = values(j, 2);
    TransformEngine::CoeffID(j) = std::string(kLabels[static_cast<std::size_t>(j - 1)]);
  }
  // The values of the last pass stay for the report, with this warning.
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
