#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/models.h"

namespace korvanta {

// Rows 1 to count of Coeff.
CoefficientValues ReadCoefficients(std::int64_t count);

// The line of one point in the output file and the results window (without a
// line end): ID as stored, E, N, SDe, SDn joined by ", ".
std::string TransformedLine(std::string_view id, const TransformedPoint& point);

// The lines of points 1 to n of Points under the model and the coefficients
// in Coeff. Touches no window and no file.
std::vector<std::string> TransformedLines(const Model& model, std::int64_t n);

}  // namespace korvanta
