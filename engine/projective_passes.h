#pragma once

#include <cstdint>
#include <vector>

#include "toolkit/core/arrays.h"

// The projective estimation's pass rules and a trace of its passes: internal
// to the engine, kept apart from TransformEngine so its passes can be watched
// without widening the engine's interface.
namespace korvanta {

// The passes end once a pass's largest absolute correction falls below this,
// each coefficient in its own units.
inline constexpr double kProjectiveThreshold = 0.001;
// The passes end when the pass counter exceeds this: at most 11 passes.
inline constexpr std::int64_t kProjectivePassLimit = 10;

// The correction of largest absolute value among X(1..n, 1), with its sign:
// of equal absolute values the first stays, and NaN never becomes it.
double LargestCorrection(const DoubleArray2& X, std::int64_t n);

// Whether the passes end after pass k, whose largest correction is given:
// past the pass limit, or strictly below the threshold.
bool PassesEnd(std::int64_t k, double largest);

// What one completed pass gave.
struct ProjectivePass {
  double largest;  // LargestCorrection of the pass
  double sigma0;   // standard deviation of unit weight of its adjustment
};

// TransformEngine::ProjectiveParam, recording each completed pass in *passes
// when it is given.
bool EstimateProjective(std::int64_t K, std::vector<ProjectivePass>* passes);

}  // namespace korvanta
