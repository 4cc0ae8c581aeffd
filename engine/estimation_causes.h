#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/control_point.h"
#include "matrix/matrix.h"

// Why an estimation cannot be made, in words that tell the user what to
// change in the control file.
namespace korvanta {

// "Cannot estimate the <model> solution: <cause>" as a message box.
void ReportUnsolvable(std::string_view model, const std::string& cause);

// What a model needs of the layout of its control points in x, y.
enum class Layout {
  TwoPlaces,  // conformal: two points at different places
  Area,       // affine: points that do not all lie on one line
};

// The cause when the layout cannot determine the model whatever the numbers:
// all points at one place, or (for Area) all on one line. Repeated points
// are no cause as long as the others give the layout.
std::optional<std::string> LayoutCause(const ControlPoints& points, Layout needed);

// The cause of an adjustment over the points that failed: numbers beyond
// the range of doubles, or a spread too small to be resolved at its distance
// from the origin; `otherwise` when neither explains it.
std::string AdjustmentCause(Matrix::LeastSquaresResult result, const ControlPoints& points,
                            std::string_view otherwise);

}  // namespace korvanta
