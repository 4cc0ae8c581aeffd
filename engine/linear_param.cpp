#include "engine/control_point.h"
#include "engine/estimation_causes.h"
#include "engine/transform_engine.h"
#include "matrix/matrix.h"
#include "toolkit/core/message.h"
#include "toolkit/core/text.h"

namespace korvanta {
namespace {

std::string PointsWord(std::int64_t count) {
  return CountOf(count, "control point");
}

// A layout that cannot determine the model is named with its points; the
// adjustment itself judges everything else, repeated points included.
bool Solve(std::string_view model, Layout needed, const ControlPoints& points,
           const DoubleArray2& A, std::int64_t n, const DoubleArray2& L, DoubleArray2& X) {
  if (const auto cause = LayoutCause(points, needed)) {
    ReportUnsolvable(model, *cause);
    return false;
  }
  const auto result = Matrix::LeastSquares(A, 2 * points.Count(), n, L, X);
  if (result == Matrix::LeastSquaresResult::Solved) return true;
  ReportUnsolvable(
      model, AdjustmentCause(result, points, "the control points do not determine it uniquely."));
  return false;
}

void WriteLabels(std::int64_t n) {
  for (std::int64_t j = 1; j <= n; ++j) TransformEngine::CoeffID(j) = "a" + Int64ToString(j);
}

}  // namespace

bool AdmitsControlCount(std::string_view model, std::int64_t K) {
  const std::string solution = "The " + std::string(model) + " solution";
  if (K > TransformEngine::kEstimationCapacity) {
    MessageBox(solution + " can use at most " +
               Int64ToString(TransformEngine::kEstimationCapacity) +
               " control points; the count field asks for " + Int64ToString(K) + ".");
    return false;
  }
  if (K > TransformEngine::ControlCount) {
    MessageBox(solution + " needs " + PointsWord(K) + ", but the control file holds " +
               PointsWord(TransformEngine::ControlCount) + ".");
    return false;
  }
  return true;
}

bool TransformEngine::ConformalParam(std::int64_t K) {
  constexpr std::string_view kModel = "Conformal";
  if (!AdmitsControlCount(kModel, K)) return false;
  const ControlPoints points(K);
  DoubleArray2 A(20, 4);
  DoubleArray2 X(4, 2);
  DoubleArray2 L(20, 2);
  for (std::int64_t i = 2; i <= 2 * K; i += 2) {
    const ControlPoint& p = points(i / 2);
    A(i - 1, 1) = p.x;
    A(i - 1, 2) = p.y * -1.0;
    A(i - 1, 3) = 1.0;
    A(i - 1, 4) = 0.0;
    L(i - 1, 1) = p.E;
    A(i, 1) = p.y;
    A(i, 2) = p.x;
    A(i, 3) = 0.0;
    A(i, 4) = 1.0;
    L(i, 1) = p.N;
  }
  if (!Solve(kModel, Layout::TwoPlaces, points, A, 4, L, X)) return false;
  SaveCoeff(X, 4);
  WriteLabels(4);
  return true;
}

bool TransformEngine::AffineParam(std::int64_t K) {
  constexpr std::string_view kModel = "Affine";
  if (!AdmitsControlCount(kModel, K)) return false;
  const ControlPoints points(K);
  DoubleArray2 A(20, 6);
  DoubleArray2 X(6, 2);
  DoubleArray2 L(20, 2);
  for (std::int64_t i = 2; i <= 2 * K; i += 2) {
    const ControlPoint& p = points(i / 2);
    A(i - 1, 1) = p.x;
    A(i - 1, 2) = p.y;
    A(i - 1, 3) = 1.0;
    A(i - 1, 4) = 0.0;
    A(i - 1, 5) = 0.0;
    A(i - 1, 6) = 0.0;
    A(i, 1) = 0.0;
    A(i, 2) = 0.0;
    A(i, 3) = 0.0;
    A(i, 4) = p.x;
    A(i, 5) = p.y;
    A(i, 6) = 1.0;
    L(i - 1, 1) = p.E;
    L(i, 1) = p.N;
  }
  if (!Solve(kModel, Layout::Area, points, A, 6, L, X)) return false;
  SaveCoeff(X, 6);
  WriteLabels(6);
  return true;
}

void TransformEngine::SaveCoeff(const DoubleArray2& X, std::int64_t n) {
  for (std::int64_t i = 1; i <= n; ++i) {
    Coeff(i, 1) = X(i, 1);
    Coeff(i, 2) = X(i, 2);
  }
}

}  // namespace korvanta
