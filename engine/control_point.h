#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace korvanta {

// Control point u (row u of Control), its fields converted to doubles.
struct ControlPoint {
  double E;
  double N;
  double x;
  double y;
};
ControlPoint ControlPointAt(std::int64_t u);

// Rows u < v among 1 to K whose x and y are equal, if any.
std::optional<std::pair<std::int64_t, std::int64_t>> FindCoincidentControlPoints(std::int64_t K);

// Whether the given control points lie on one line in x, y (to working
// precision, so decimal coordinates of points on a line count).
bool AreCollinear(const std::vector<std::int64_t>& rows);

// "control point 3 (P3)": the row number and, where there is one, the ID.
std::string DescribeControlPoint(std::int64_t u);

// "Cannot estimate the <model> solution: <cause>" as a message box.
void ReportUnsolvable(std::string_view model, const std::string& cause);

// When two of control points 1 to K have the same x, y: the unsolvable
// message naming the first such pair, and true.
bool ReportCoincidentControlPoints(std::string_view model, std::int64_t K);

}  // namespace korvanta
