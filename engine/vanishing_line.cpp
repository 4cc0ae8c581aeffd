#include "engine/vanishing_line.h"

#include <cmath>
#include <limits>
#include <string>

#include "engine/control_point.h"
#include "engine/shown_field.h"
#include "engine/transform_engine.h"
#include "toolkit/core/message.h"
#include "toolkit/core/text.h"

namespace korvanta {
namespace {

// Points named by ID and line before "and N more".
constexpr std::int64_t kNamed = 5;

std::string DescribePoint(std::int64_t j) {
  const std::string line = "line " + Int64ToString(j);
  const std::string& id = TransformEngine::Points(j, 1);
  if (IsBlank(id)) return line;
  return ShownField(id) + " (" + line + ")";
}

}  // namespace

bool IsZeroDenominator(double D, double x_term, double y_term) {
  constexpr double kRounding = 16.0 * std::numeric_limits<double>::epsilon();
  return std::fabs(D) <= kRounding * ((std::fabs(x_term) + std::fabs(y_term)) + 1.0);
}

int DenominatorSide(double a3, double b3, double x, double y) {
  const double x_term = a3 * x;
  const double y_term = b3 * y;
  const double D = (x_term + y_term) + 1.0;
  // A NaN D (from a NaN coordinate or coefficient) is on no side either.
  if (std::isnan(D) || IsZeroDenominator(D, x_term, y_term)) return 0;
  return D > 0.0 ? 1 : -1;
}

int ControlSide(double a3, double b3, std::int64_t K) {
  const ControlPoints points(K);
  int side = 0;
  for (std::int64_t u = 1; u <= points.Count(); ++u) {
    const int here = DenominatorSide(a3, b3, points(u).x, points(u).y);
    if (here == 0 || (side != 0 && here != side)) return 0;
    side = here;
  }
  return side;
}

void ReportBeyondVanishingLine(std::int64_t n) {
  const double a3 = TransformEngine::Coeff(7, 1);
  const double b3 = TransformEngine::Coeff(8, 1);
  const int control_side = TransformEngine::ProjectiveControlSide;
  std::string named;
  std::int64_t count = 0;
  for (std::int64_t j = 1; j <= n; ++j) {
    const double x = StringToDouble(TransformEngine::Points(j, 2));
    const double y = StringToDouble(TransformEngine::Points(j, 3));
    const int side = DenominatorSide(a3, b3, x, y);
    if (side != 0 && (control_side == 0 || side == control_side)) continue;
    ++count;
    if (count > kNamed) continue;
    if (count > 1) named += ", ";
    named += DescribePoint(j);
  }
  if (count == 0) return;
  if (count > kNamed) named += " and " + Int64ToString(count - kNamed) + " more";
  MessageBox(CountOf(count, "point") + (count == 1 ? " lies" : " lie") +
             " on or beyond the vanishing line of the projective fit, where a3*x + b3*y + 1 is "
             "zero or has the other sign than at the control points; E and N mean nothing "
             "there: " +
             named + ".");
}

}  // namespace korvanta
