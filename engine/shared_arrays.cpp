#include "engine/transform_engine.h"
#include "toolkit/core/exceptions.h"

namespace korvanta {

// Defined in one unit, in this order, so they exist before any window.
DoubleArray2 TransformEngine::Coeff(TransformEngine::kCoefficientRows, 2);
TextArray1 TransformEngine::CoeffID(TransformEngine::kCoefficientRows);
TextArray2 TransformEngine::Control(TransformEngine::kControlCapacity, 5);
TextArray2 TransformEngine::Points(TransformEngine::kPointCapacity, 3);
std::int64_t TransformEngine::ControlCount = 0;
std::int64_t TransformEngine::PointCount = 0;
int TransformEngine::ProjectiveControlSide = 0;

TransformEngine::~TransformEngine() {
  ControlFile.reset();
  OutputFile.reset();
  PointFile.reset();
}

ReportWindows& TransformEngine::Windows() {
  if (windows_ == nullptr) throw NilObjectException("no report windows are attached");
  return *windows_;
}

}  // namespace korvanta
