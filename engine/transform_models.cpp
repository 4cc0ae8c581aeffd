#include "engine/transform_models.h"

#include <cmath>
#include <utility>

#include "engine/transform_engine.h"
#include "toolkit/core/format.h"
#include "toolkit/core/text.h"

namespace korvanta {
namespace {

constexpr std::string_view kCoordinatePattern = "-########.0000";
constexpr std::string_view kDeviationPattern = "###0.00000";

double Sq(double v) {
  return v * v;
}

// Standard deviations are propagated to first order from the coefficients'
// own deviations: no covariances, x and y exact. Each sum runs left to right
// in the order written, so results match to the last bit across models.

TransformedPoint Conformal(double x, double y, const CoefficientValues& c) {
  const double a1 = c.value[0], a2 = c.value[1], a3 = c.value[2], a4 = c.value[3];
  const double sa1 = c.sd[0], sa2 = c.sd[1], sa3 = c.sd[2], sa4 = c.sd[3];
  return {(a1 * x - a2 * y) + a3, (a2 * x + a1 * y) + a4,
          std::sqrt(Sq(sa1 * x) + Sq(sa2 * y) + Sq(sa3)),
          std::sqrt(Sq(sa1 * y) + Sq(sa2 * x) + Sq(sa4))};
}

TransformedPoint Affine(double x, double y, const CoefficientValues& c) {
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
TransformedPoint Projective(double x, double y, const CoefficientValues& c) {
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

}  // namespace

const TransformModel& ConformalModel() {
  static const TransformModel model{kConformal, &Conformal};
  return model;
}

const TransformModel& AffineModel() {
  static const TransformModel model{kAffine, &Affine};
  return model;
}

const TransformModel& ProjectiveModel() {
  static const TransformModel model{kProjective, &Projective};
  return model;
}

CoefficientValues ReadCoefficients(std::int64_t count) {
  CoefficientValues c;
  for (std::int64_t i = 1; i <= count; ++i) {
    const auto k = static_cast<std::size_t>(i - 1);
    c.value.at(k) = TransformEngine::Coeff(i, 1);
    c.sd.at(k) = TransformEngine::Coeff(i, 2);
  }
  return c;
}

std::string TransformedLine(std::string_view id, const TransformedPoint& point) {
  std::string line;
  line.reserve(id.size() + 64);
  line += id;
  for (const auto& [value, pattern] :
       {std::pair{point.E, kCoordinatePattern}, std::pair{point.N, kCoordinatePattern},
        std::pair{point.SDe, kDeviationPattern}, std::pair{point.SDn, kDeviationPattern}}) {
    line += ", ";
    line += Format(value, pattern);
  }
  return line;
}

std::vector<std::string> TransformedLines(const TransformModel& model, std::int64_t n) {
  const CoefficientValues c = ReadCoefficients(model.facts.coefficients);
  std::vector<std::string> lines;
  for (std::int64_t j = 1; j <= n; ++j) {
    const std::string& id = TransformEngine::Points(j, 1);
    const double x = StringToDouble(TransformEngine::Points(j, 2));
    const double y = StringToDouble(TransformEngine::Points(j, 3));
    lines.push_back(TransformedLine(id, model.transform(x, y, c)));
  }
  return lines;
}

}  // namespace korvanta
