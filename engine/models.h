#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/control_point.h"
#include "engine/transform_engine.h"

namespace korvanta {

inline constexpr std::int64_t kMaxCoefficients = 8;

// A control point's two rows of a linear model's design matrix, for E and
// for N; the model's coefficients come first, the rest stay 0.
struct LinearEquations {
  std::array<double, kMaxCoefficients> E{};
  std::array<double, kMaxCoefficients> N{};
};

// The coefficients of one model as read from Coeff, index k for row k + 1:
// their values and their standard deviations.
struct CoefficientValues {
  std::array<double, kMaxCoefficients> value{};
  std::array<double, kMaxCoefficients> sd{};
};

// One transformed point: its target coordinates and their standard deviations.
struct TransformedPoint {
  double E;
  double N;
  double SDe;
  double SDn;
};

// The models' equations and formulas (model_formulas.cpp).
LinearEquations ConformalEquations(const ControlPoint& p);
LinearEquations AffineEquations(const ControlPoint& p);
TransformedPoint ConformalPoint(double x, double y, const CoefficientValues& c);
TransformedPoint AffinePoint(double x, double y, const CoefficientValues& c);
TransformedPoint ProjectivePoint(double x, double y, const CoefficientValues& c);

// What each of the three models is, one row per model, the one place that
// the estimations, the coefficient report, the transformation and the main
// window all read.
struct Model {
  std::string_view name;      // to the user: "Conformal"
  std::string_view key;       // to the coefficient report: "Conform"
  std::int64_t coefficients;  // the unknowns of its adjustment
  std::int64_t minimum;       // the control points it needs
  // CoeffID of rows 1 to `coefficients`, in the order Coeff holds them.
  std::array<std::string_view, kMaxCoefficients> labels;
  std::string_view param_title;    // of the coefficients window
  std::string_view results_title;  // of the results window
  // Its observation equations at a control point where they are linear in
  // the coefficients; none for the projective model, whose estimation
  // linearises them pass by pass (projective_param.cpp).
  LinearEquations (*equations)(const ControlPoint&);
  // E, N and their standard deviations at a source point x, y.
  TransformedPoint (*transform)(double x, double y, const CoefficientValues& c);
  // The engine's estimation and transformation of the model.
  bool (TransformEngine::*estimate)(std::int64_t K);
  void (TransformEngine::*transform_points)(std::int64_t n);

  // Observations beyond the unknowns: two per control point.
  constexpr std::int64_t Redundancy(std::int64_t K) const { return 2 * K - coefficients; }
};

inline constexpr Model kConformal{.name = "Conformal",
                                  .key = "Conform",
                                  .coefficients = 4,
                                  .minimum = 2,
                                  .labels = {"a1", "a2", "a3", "a4"},
                                  .param_title = "Conformal Coefficients",
                                  .results_title = "Conformal Transformation",
                                  .equations = &ConformalEquations,
                                  .transform = &ConformalPoint,
                                  .estimate = &TransformEngine::ConformalParam,
                                  .transform_points = &TransformEngine::ConformalTrans};
inline constexpr Model kAffine{.name = "Affine",
                               .key = "Affine",
                               .coefficients = 6,
                               .minimum = 3,
                               .labels = {"a1", "a2", "a3", "a4", "a5", "a6"},
                               .param_title = "Affine Coefficients",
                               .results_title = "Affine Transformation",
                               .equations = &AffineEquations,
                               .transform = &AffinePoint,
                               .estimate = &TransformEngine::AffineParam,
                               .transform_points = &TransformEngine::AffineTrans};
// E = P / D and N = Q / D with P = a1·x + b1·y + c1, Q = a2·x + b2·y + c2
// and D = a3·x + b3·y + 1.
inline constexpr Model kProjective{.name = "Projective",
                                   .key = "Project",
                                   .coefficients = 8,
                                   .minimum = 4,
                                   .labels = {"a1", "b1", "c1", "a2", "b2", "c2", "a3", "b3"},
                                   .param_title = "Projective Coefficients",
                                   .results_title = "Projective Transformation",
                                   .equations = nullptr,
                                   .transform = &ProjectivePoint,
                                   .estimate = &TransformEngine::ProjectiveParam,
                                   .transform_points = &TransformEngine::ProjectiveTrans};

// In the order the main window lists them.
inline constexpr std::array<const Model*, 3> kModels{&kConformal, &kAffine, &kProjective};

// The minimum as a label shows it; every model needs fewer than ten points.
constexpr std::string_view MinimumText(const Model& model) {
  constexpr std::string_view kDigits = "0123456789";
  return kDigits.substr(static_cast<std::size_t>(model.minimum), 1);
}
static_assert(kProjective.minimum < 10 && MinimumText(kProjective) == "4");

// The model with this key, or none.
const Model* ModelKeyed(std::string_view key);

// Whether control points 1 to K can go into one estimation of the model: at
// least its minimum, at most what one estimation holds and what the control
// file holds. Otherwise one message, naming for a count above those the most
// that can be used, and false.
bool AdmitsControlCount(const Model& model, std::int64_t K);

}  // namespace korvanta
