#include <cstddef>
#include <string>

#include "engine/control_point.h"
#include "engine/estimation_causes.h"
#include "engine/models.h"
#include "engine/transform_engine.h"
#include "matrix/matrix.h"

namespace korvanta {
namespace {

// A layout that cannot determine the model is named with its points; the
// adjustment itself judges everything else, repeated points included.
bool Solve(const ModelFacts& model, Layout needed, const ControlPoints& points,
           const DoubleArray2& A, const DoubleArray2& L, DoubleArray2& X) {
  if (const auto cause = LayoutCause(points, needed)) {
    ReportUnsolvable(model.name, *cause);
    return false;
  }
  const auto result = Matrix::LeastSquares(A, 2 * points.Count(), model.coefficients, L, X);
  if (result == Matrix::LeastSquaresResult::Solved) return true;
  ReportUnsolvable(model.name, AdjustmentCause(result, points,
                                               "the control points do not determine it "
                                               "uniquely."));
  return false;
}

void WriteLabels(const ModelFacts& model) {
  for (std::int64_t j = 1; j <= model.coefficients; ++j) {
    TransformEngine::CoeffID(j) = std::string(model.labels[static_cast<std::size_t>(j - 1)]);
  }
}

}  // namespace

bool TransformEngine::ConformalParam(std::int64_t K) {
  const ModelFacts& model = kConformal;
  if (!AdmitsControlCount(model, K)) return false;
  const ControlPoints points(K);
  DoubleArray2 A(2 * kEstimationCapacity, model.coefficients);
  DoubleArray2 X(model.coefficients, 2);
  DoubleArray2 L(2 * kEstimationCapacity, 2);
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
  if (!Solve(model, Layout::TwoPlaces, points, A, L, X)) return false;
  SaveCoeff(X, model.coefficients);
  WriteLabels(model);
  return true;
}

bool TransformEngine::AffineParam(std::int64_t K) {
  const ModelFacts& model = kAffine;
  if (!AdmitsControlCount(model, K)) return false;
  const ControlPoints points(K);
  DoubleArray2 A(2 * kEstimationCapacity, model.coefficients);
  DoubleArray2 X(model.coefficients, 2);
  DoubleArray2 L(2 * kEstimationCapacity, 2);
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
  if (!Solve(model, Layout::Area, points, A, L, X)) return false;
  SaveCoeff(X, model.coefficients);
  WriteLabels(model);
  return true;
}

void TransformEngine::SaveCoeff(const DoubleArray2& X, std::int64_t n) {
  for (std::int64_t i = 1; i <= n; ++i) {
    Coeff(i, 1) = X(i, 1);
    Coeff(i, 2) = X(i, 2);
  }
}

}  // namespace korvanta
