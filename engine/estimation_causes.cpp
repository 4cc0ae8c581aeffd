#include "engine/estimation_causes.h"

#include <array>
#include <charconv>
#include <cmath>

#include "toolkit/core/message.h"
#include "toolkit/core/text.h"

namespace korvanta {
namespace {

// A spread below this fraction of the distance from the origin leaves too
// few of a double's 16 digits to tell the points apart.
constexpr double kResolvableSpread = 1e-6;

// Six significant digits: enough to recognise a number in a message.
std::string Rounded(double value) {
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::general, 6);
  return std::string(buffer.data(), result.ptr);
}

bool AllAtOnePlace(const ControlPoints& points) {
  for (std::int64_t u = 2; u <= points.Count(); ++u) {
    if (!SamePlace(points(u), points(1))) return false;
  }
  return true;
}

std::string Needs(Layout needed) {
  return needed == Layout::Area ? "it needs points that span an area."
                                : "it needs control points at two different places.";
}

// How far the points' centre lies from the origin and how far the points
// lie from their centre, in the source coordinates x, y or the target
// coordinates E, N.
struct Extent {
  double distance = 0.0;
  double spread = 0.0;
};

Extent ExtentOf(const ControlPoints& points, bool source) {
  const auto coordinates = [source](const ControlPoint& p) {
    return source ? std::pair{p.x, p.y} : std::pair{p.E, p.N};
  };
  double ma = 0.0;
  double mb = 0.0;
  for (std::int64_t u = 1; u <= points.Count(); ++u) {
    const auto [a, b] = coordinates(points(u));
    ma += a;
    mb += b;
  }
  const auto count = static_cast<double>(points.Count());
  Extent extent;
  extent.distance = std::hypot(ma / count, mb / count);
  for (std::int64_t u = 1; u <= points.Count(); ++u) {
    const auto [a, b] = coordinates(points(u));
    extent.spread = std::fmax(extent.spread, std::hypot(a - ma / count, b - mb / count));
  }
  return extent;
}

std::optional<std::string> SpreadCause(const ControlPoints& points) {
  for (const bool source : {true, false}) {
    const Extent e = ExtentOf(points, source);
    if (!(e.spread > 0.0 && e.spread < kResolvableSpread * e.distance)) continue;
    const std::string axes = source ? "x, y" : "E, N";
    return "its control points spread only " + Rounded(e.spread) + " in " + axes + ", at " +
           Rounded(e.distance) +
           " from the origin: the 16 digits of a double cannot resolve them there. Subtract a "
           "common offset from " +
           axes + (source ? " in the control and points files." : " in the control file.");
  }
  return std::nullopt;
}

std::string RangeCause(const ControlPoints& points) {
  static constexpr std::array<std::string_view, 4> kNames{"E", "N", "x", "y"};
  double largest = -1.0;
  std::string where;
  for (std::int64_t u = 1; u <= points.Count(); ++u) {
    const ControlPoint& p = points(u);
    const std::array<double, 4> fields{p.E, p.N, p.x, p.y};
    for (std::size_t f = 0; f < fields.size(); ++f) {
      if (std::fabs(fields[f]) <= largest) continue;
      largest = std::fabs(fields[f]);
      where = std::string(kNames[f]) + " of " + DescribeControlPoint(u) + ", " +
              DoubleToString(fields[f]);
    }
  }
  return "the computation goes beyond the range of doubles (about 1.8e+308); the largest of its "
         "coordinates is " +
         where + ".";
}

}  // namespace

void ReportUnsolvable(std::string_view model, const std::string& cause) {
  MessageBox("Cannot estimate the " + std::string(model) + " solution: " + cause);
}

std::optional<std::string> LayoutCause(const ControlPoints& points, Layout needed) {
  const std::int64_t K = points.Count();
  if (K >= 2 && AllAtOnePlace(points)) {
    const std::string who = K == 2 ? DescribeControlPoint(1) + " and " + DescribeControlPoint(2)
                                   : "all " + CountOf(K, "control point");
    return who + " have the same x, y; " + Needs(needed);
  }
  if (needed == Layout::Area && K >= 3) {
    std::vector<std::int64_t> rows;
    for (std::int64_t u = 1; u <= K; ++u) rows.push_back(u);
    if (AreCollinear(points, rows)) {
      return "all " + CountOf(K, "control point") + " lie on one line in x, y; " + Needs(needed);
    }
  }
  return std::nullopt;
}

std::string AdjustmentCause(Matrix::LeastSquaresResult result, const ControlPoints& points,
                            std::string_view otherwise) {
  if (points.Count() > 0) {
    if (result != Matrix::LeastSquaresResult::RankDeficient) return RangeCause(points);
    if (auto cause = SpreadCause(points)) return *cause;
  }
  return std::string(otherwise);
}

}  // namespace korvanta
