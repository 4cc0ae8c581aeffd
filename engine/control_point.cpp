#include "engine/control_point.h"

#include <cmath>

#include "engine/transform_engine.h"
#include "toolkit/core/message.h"
#include "toolkit/core/text.h"

namespace korvanta {

ControlPoint ControlPointAt(std::int64_t u) {
  const auto& c = TransformEngine::Control;
  return {StringToDouble(c(u, 2)), StringToDouble(c(u, 3)), StringToDouble(c(u, 4)),
          StringToDouble(c(u, 5))};
}

std::optional<std::pair<std::int64_t, std::int64_t>> FindCoincidentControlPoints(std::int64_t K) {
  for (std::int64_t u = 1; u <= K; ++u) {
    const ControlPoint a = ControlPointAt(u);
    for (std::int64_t v = u + 1; v <= K; ++v) {
      const ControlPoint b = ControlPointAt(v);
      if (a.x == b.x && a.y == b.y) return std::pair{u, v};
    }
  }
  return std::nullopt;
}

bool AreCollinear(const std::vector<std::int64_t>& rows) {
  if (rows.size() < 3) return true;
  double mx = 0.0;
  double my = 0.0;
  for (const auto u : rows) {
    const ControlPoint p = ControlPointAt(u);
    mx += p.x;
    my += p.y;
  }
  const auto count = static_cast<double>(rows.size());
  mx /= count;
  my /= count;
  double sxx = 0.0;
  double syy = 0.0;
  double sxy = 0.0;
  for (const auto u : rows) {
    const ControlPoint p = ControlPointAt(u);
    const double dx = p.x - mx;
    const double dy = p.y - my;
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
  if (id.find_first_not_of(' ') != std::string::npos) text += " (" + id + ")";
  return text;
}

void ReportUnsolvable(std::string_view model, const std::string& cause) {
  MessageBox("Cannot estimate the " + std::string(model) + " solution: " + cause);
}

bool ReportCoincidentControlPoints(std::string_view model, std::int64_t K) {
  const auto pair = FindCoincidentControlPoints(K);
  if (!pair) return false;
  ReportUnsolvable(model, DescribeControlPoint(pair->first) + " and " +
                              DescribeControlPoint(pair->second) + " have the same x, y.");
  return true;
}

}  // namespace korvanta
