// Estimate-and-transform at capacity for each model: 10 control points and 50
// points. The file write is left out: it costs what the disk costs, and the
// goal is the engine's own arithmetic.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "engine/transform_engine.h"
#include "engine/transform_models.h"
#include "toolkit/core/message.h"
#include "toolkit/core/text.h"

namespace {

using korvanta::TransformEngine;

void LoadSurveyData() {
  const double dx[] = {0, 1800, 350, 1990, 760, 1200, 40, 1510, 980, 1650};
  const double dy[] = {0, 120, 1700, 1950, 880, 400, 1120, 1400, 1990, 760};
  const double a1 = 0.9996 * std::cos(0.02);
  const double a2 = 0.9996 * std::sin(0.02);
  for (int i = 0; i < 10; ++i) {
    const double x = 1000.0 + dx[i];
    const double y = 2000.0 + dy[i];
    const double d = 1.0 + 1e-7 * x - 2e-7 * y;
    const auto r = static_cast<std::int64_t>(i + 1);
    TransformEngine::Control(r, 1) = "CP" + std::to_string(i + 1);
    TransformEngine::Control(r, 2) =
        korvanta::DoubleToString(((a1 * x - a2 * y) + 431250.0) / d + 0.003 * std::sin(i));
    TransformEngine::Control(r, 3) =
        korvanta::DoubleToString(((a2 * x + a1 * y) + 5401730.0) / d + 0.003 * std::cos(i));
    TransformEngine::Control(r, 4) = korvanta::DoubleToString(x);
    TransformEngine::Control(r, 5) = korvanta::DoubleToString(y);
  }
  TransformEngine::ControlCount = 10;
  for (int j = 1; j <= 50; ++j) {
    TransformEngine::Points(j, 1) = "P" + std::to_string(j);
    TransformEngine::Points(j, 2) = korvanta::DoubleToString(1000.0 + 37.5 * j);
    TransformEngine::Points(j, 3) = korvanta::DoubleToString(2000.0 + 29.25 * j);
  }
  TransformEngine::PointCount = 50;
}

template <bool (TransformEngine::*Estimate)(std::int64_t)>
void EstimateAndTransform(benchmark::State& state, const korvanta::Model& model) {
  korvanta::SetMessagePresenter([](const std::string&) {});
  LoadSurveyData();
  TransformEngine engine;
  for (auto _ : state) {
    if (!(engine.*Estimate)(10)) state.SkipWithError("estimation refused");
    benchmark::DoNotOptimize(korvanta::TransformedLines(model, 50));
  }
}

void Conformal(benchmark::State& state) {
  EstimateAndTransform<&TransformEngine::ConformalParam>(state, korvanta::kConformal);
}
void Affine(benchmark::State& state) {
  EstimateAndTransform<&TransformEngine::AffineParam>(state, korvanta::kAffine);
}
void Projective(benchmark::State& state) {
  EstimateAndTransform<&TransformEngine::ProjectiveParam>(state, korvanta::kProjective);
}

BENCHMARK(Conformal)->Unit(benchmark::kMicrosecond);
BENCHMARK(Affine)->Unit(benchmark::kMicrosecond);
BENCHMARK(Projective)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
