// Each model's observation equations and transformation formulas, side by
// side: what its row in models.h points to.
#include <cmath>

#include "engine/models.h"

namespace korvanta {
namespace {

double Sq(double v) {
  return v * v;
}

}  // namespace

// In the conformal rows, -y is formed as y times -1.
LinearEquations ConformalEquations(const ControlPoint& p) {
  return {{p.x, p.y * -1.0, 1.0, 0.0}, {p.y, p.x, 0.0, 1.0}};
}

LinearEquations AffineEquations(const ControlPoint& p) {
  return {{p.x, p.y, 1.0, 0.0, 0.0, 0.0}, {0.0, 0.0, 0.0, p.x, p.y, 1.0}};
}

// Standard deviations are propagated to first order from the coefficients'
// own deviations: no covariances, x and y exact. Each sum runs left to right
// in the order written, so results match to the last bit across models.

TransformedPoint ConformalPoint(double x, double y, const CoefficientValues& c) {
  const double a1 = c.value[0], a2 = c.value[1], a3 = c.value[2], a4 = c.value[3];
  const double sa1 = c.sd[0], sa2 = c.sd[1], sa3 = c.sd[2], sa4 = c.sd[3];
  return {(a1 * x - a2 * y) + a3, (a2 * x + a1 * y) + a4,
          std::sqrt(Sq(sa1 * x) + Sq(sa2 * y) + Sq(sa3)),
          std::sqrt(Sq(sa1 * y) + Sq(sa2 * x) + Sq(sa4))};
}

TransformedPoint AffinePoint(double x, double y, const CoefficientValues& c) {
  const double a1 = c.value[0], a2 = c.value[1], a3 = c.value[2];
  const double a4 = c.value[3], a5 = c.value[4], a6 = c.value[5];
  const double sa1 = c.sd[0], sa2 = c.sd[1], sa3 = c.sd[2];
  const double sa4 = c.sd[3], sa5 = c.sd[4], sa6 = c.sd[5];
  return {(a1 * x + a2 * y) + a3, (a4 * x + a5 * y) + a6,
          std::sqrt(Sq(sa1 * x) + Sq(sa2 * y) + Sq(sa3)),
          std::sqrt(Sq(sa4 * x) + Sq(sa5 * y) + Sq(sa6))};
}

// E = P / D and N = Q / D. A point on the line D = 0 gives non-finite values,
// which are written as such: they tell the user the point cannot be mapped.
TransformedPoint ProjectivePoint(double x, double y, const CoefficientValues& c) {
  const auto& [a1, b1, c1, a2, b2, c2, a3, b3] = c.value;
  const auto& [sa1, sb1, sc1, sa2, sb2, sc2, sa3, sb3] = c.sd;
  const double P = (a1 * x + b1 * y) + c1;
  const double Q = (a2 * x + b2 * y) + c2;
  const double D = (a3 * x + b3 * y) + 1.0;
  const double D2 = D * D;
  return {P / D, Q / D,
          std::sqrt(Sq(x * sa1 / D) + Sq(y * sb1 / D) + Sq(sc1 / D) + Sq(x * P * sa3 / D2) +
                    Sq(y * P * sb3 / D2)),
          std::sqrt(Sq(x * sa2 / D) + Sq(y * sb2 / D) + Sq(sc2 / D) + Sq(x * Q * sa3 / D2) +
                    Sq(y * Q * sb3 / D2))};
}

}  // namespace korvanta
