#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace korvanta {

// Control point u (row u of Control), its fields converted to doubles.
struct ControlPoint {
  double E;
  double N;
  double x;
  double y;
};

// Whether two control points lie at one place in x, y.
inline bool SamePlace(const ControlPoint& a, const ControlPoint& b) {
  return a.x == b.x && a.y == b.y;
}

// Control points 1 to K, each field converted once: an estimation reads its
// points many times, and converting text is most of what that would cost.
class ControlPoints {
 public:
  explicit ControlPoints(std::int64_t K);

  std::int64_t Count() const { return static_cast<std::int64_t>(points_.size()); }
  // u from 1 to Count().
  const ControlPoint& operator()(std::int64_t u) const;

 private:
  std::vector<ControlPoint> points_;
};

// Whether the given control points (numbers from 1) lie on one line in x, y,
// to working precision, so decimal coordinates of points on a line count.
bool AreCollinear(const ControlPoints& points, const std::vector<std::int64_t>& rows);

// "control point 3 (P3)": the row number and, where there is one, the ID as
// every message shows a field (shown_field.h).
std::string DescribeControlPoint(std::int64_t u);

}  // namespace korvanta
