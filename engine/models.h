#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace korvanta {

// What each of the three models is, in the one place that the estimations,
// the coefficient report, the transformation and the main window all read.
struct ModelFacts {
  static constexpr std::int64_t kMaxCoefficients = 8;

  std::string_view name;      // to the user: "Conformal"
  std::string_view key;       // to the coefficient report: "Conform"
  std::int64_t coefficients;  // the unknowns of its adjustment
  std::int64_t minimum;       // the control points it needs
  // CoeffID of rows 1 to `coefficients`, in the order Coeff holds them.
  std::array<std::string_view, kMaxCoefficients> labels;
  std::string_view param_title;    // of the coefficients window
  std::string_view results_title;  // of the results window
};

inline constexpr ModelFacts kConformal{.name = "Conformal",
                                       .key = "Conform",
                                       .coefficients = 4,
                                       .minimum = 2,
                                       .labels = {"a1", "a2", "a3", "a4"},
                                       .param_title = "Conformal Coefficients",
                                       .results_title = "Conformal Transformation"};
inline constexpr ModelFacts kAffine{.name = "Affine",
                                    .key = "Affine",
                                    .coefficients = 6,
                                    .minimum = 3,
                                    .labels = {"a1", "a2", "a3", "a4", "a5", "a6"},
                                    .param_title = "Affine Coefficients",
                                    .results_title = "Affine Transformation"};
// E = P / D and N = Q / D with P = a1·x + b1·y + c1, Q = a2·x + b2·y + c2
// and D = a3·x + b3·y + 1.
inline constexpr ModelFacts kProjective{.name = "Projective",
                                        .key = "Project",
                                        .coefficients = 8,
                                        .minimum = 4,
                                        .labels = {"a1", "b1", "c1", "a2", "b2", "c2", "a3", "b3"},
                                        .param_title = "Projective Coefficients",
                                        .results_title = "Projective Transformation"};

// In the order the main window lists them.
inline constexpr std::array<const ModelFacts*, 3> kModels{&kConformal, &kAffine, &kProjective};

// The minimum as a label shows it; every model needs fewer than ten points.
constexpr std::string_view MinimumText(const ModelFacts& model) {
  constexpr std::string_view kDigits = "0123456789";
  return kDigits.substr(static_cast<std::size_t>(model.minimum), 1);
}
static_assert(kProjective.minimum < 10 && MinimumText(kProjective) == "4");

// The model with this key, or none.
const ModelFacts* ModelKeyed(std::string_view key);

// Whether control points 1 to K can go into one estimation of the model: at
// least its minimum, at most what one estimation holds and what the control
// file holds. Otherwise one message, naming for a count above those the most
// that can be used, and false.
bool AdmitsControlCount(const ModelFacts& model, std::int64_t K);

}  // namespace korvanta
