#pragma once

#include "engine/transform_engine.h"

namespace korvanta::testing {

// Gives every test the shared arrays as start-up creates them, so no test
// sees what an earlier one read or estimated.
inline void ResetSharedArrays() {
  TransformEngine::Coeff = DoubleArray2(10, 2);
  TransformEngine::CoeffID = TextArray1(10);
  TransformEngine::Control = TextArray2(TransformEngine::kControlCapacity, 5);
  TransformEngine::Points = TextArray2(TransformEngine::kPointCapacity, 3);
  TransformEngine::ControlCount = 0;
  TransformEngine::PointCount = 0;
  TransformEngine::ProjectiveControlSide = 0;
}

}  // namespace korvanta::testing
