#include <array>
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
bool Solve(const Model& model, Layout needed, const ControlPoints& points, const DoubleArray2& A,
           const DoubleArray2& L, DoubleArray2& X) {
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

void WriteLabels(const Model& model) {
  for (std::int64_t j = 1; j <= model.coefficients; ++j) {
    TransformEngine::CoeffID(j) = std::string(model.labels[static_cast<std::size_t>(j - 1)]);
  }
}

// The two linear models differ only in their equations (their row in
// models.h) and in the layout of points they need: the estimation from
// control points 1 to K is one.
bool Estimate(TransformEngine& engine, const Model& model, Layout needed, std::int64_t K) {
  if (!AdmitsControlCount(model, K)) return false;
  const ControlPoints points(K);
  DoubleArray2 A(2 * TransformEngine::kEstimationCapacity, model.coefficients);
  DoubleArray2 X(model.coefficients, 2);
  DoubleArray2 L(2 * TransformEngine::kEstimationCapacity, 2);
  for (std::int64_t i = 2; i <= 2 * K; i += 2) {
    const ControlPoint& p = points(i / 2);
    const LinearEquations rows = model.equations(p);
    for (std::int64_t j = 1; j <= model.coefficients; ++j) {
      A(i - 1, j) = rows.E[static_cast<std::size_t>(j - 1)];
      A(i, j) = rows.N[static_cast<std::size_t>(j - 1)];
    }
    L(i - 1, 1) = p.E;
    L(i, 1) = p.N;
  }
  if (!Solve(model, needed, points, A, L, X)) return false;
  engine.SaveCoeff(X, model.coefficients);
  WriteLabels(model);
  return true;
}

}  // namespace

bool TransformEngine::ConformalParam(std::int64_t K) {
  return Estimate(*this, kConformal, Layout::TwoPlaces, K);
}

bool TransformEngine::AffineParam(std::int64_t K) {
  return Estimate(*this, kAffine, Layout::Area, K);
}

void TransformEngine::SaveCoeff(const DoubleArray2& X, std::int64_t n) {
  for (std::int64_t i = 1; i <= n; ++i) {
    Coeff(i, 1) = X(i, 1);
    Coeff(i, 2) = X(i, 2);
  }
}

}  // namespace korvanta
