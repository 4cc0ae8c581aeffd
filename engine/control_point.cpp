#include "engine/control_point.h"

#include <cmath>

#include "engine/shown_field.h"
#include "engine/transform_engine.h"
#include "toolkit/core/text.h"

namespace korvanta {

ControlPoints::ControlPoints(std::int64_t K) {
  const auto& c = TransformEngine::Control;
  if (K > 0) points_.reserve(static_cast<std::size_t>(K));
  for (std::int64_t u = 1; u <= K; ++u) {
    points_.push_back({StringToDouble(c(u, 2)), StringToDouble(c(u, 3)), StringToDouble(c(u, 4)),
                       StringToDouble(c(u, 5))});
  }
}

const ControlPoint& ControlPoints::operator()(std::int64_t u) const {
  if (u < 1 || u > Count()) ThrowOutOfBounds(u, Count());
  return points_[static_cast<std::size_t>(u - 1)];
}

bool AreCollinear(const ControlPoints& points, const std::vector<std::int64_t>& rows) {
  if (rows.size() < 3) return true;
  double mx = 0.0;
  double my = 0.0;
  for (const auto u : rows) {
    mx += points(u).x;
    my += points(u).y;
  }
  const auto count = static_cast<double>(rows.size());
  mx /= count;
  my /= count;
  double sxx = 0.0;
  double syy = 0.0;
  double sxy = 0.0;
  for (const auto u : rows) {
    const double dx = points(u).x - mx;
    const double dy = points(u).y - my;
    sxx += dx * dx;
    syy += dy * dy;
    sxy += dx * dy;
  }
  // The spread across the best-fitting line against the spread along it; a
  // ratio of variances below 1e-14 (1e-7 in distance) is rounding, not area.
  const double half_trace = 0.5 * (sxx + syy);
  const double largest = half_trace + std::hypot(0.5 * (sxx - syy), sxy);
  if (largest == 0.0) return true;
  const double smallest = (sxx * syy - sxy * sxy) / largest;
  return smallest <= 1e-14 * largest;
}

std::string DescribeControlPoint(std::int64_t u) {
  std::string text = "control point " + Int64ToString(u);
  const std::string& id = TransformEngine::Control(u, 1);
  if (id.find_first_not_of(' ') != std::string::npos) text += " (" + ShownField(id) + ")";
  return text;
}

}  // namespace korvanta
