#include "engine/transform_models.h"

#include <utility>

#include "engine/transform_engine.h"
#include "toolkit/core/format.h"
#include "toolkit/core/text.h"

namespace korvanta {
namespace {

constexpr std::string_view kCoordinatePattern = "-########.0000";
constexpr std::string_view kDeviationPattern = "###0.00000";

}  // namespace

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

std::vector<std::string> TransformedLines(const Model& model, std::int64_t n) {
  const CoefficientValues c = ReadCoefficients(model.coefficients);
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
