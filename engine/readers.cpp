#include "engine/input_file.h"
#include "engine/transform_engine.h"

namespace korvanta {
namespace {

// Copies the checked records over rows 1 to count; rows beyond keep their
// earlier text, as they always have.
std::int64_t Store(const InputRecords& records, TextArray2& target) {
  std::int64_t row = 0;
  for (const auto& fields : records) {
    ++row;
    for (std::size_t f = 0; f < fields.size(); ++f) {
      target(row, static_cast<std::int64_t>(f) + 1) = fields[f];
    }
  }
  return row;
}

}  // namespace

std::optional<std::int64_t> TransformEngine::ReadControl() {
  const auto records = ReadInputFile(ControlFile, ControlFileFormat());
  if (!records) return std::nullopt;
  ControlCount = Store(*records, Control);
  return ControlCount;
}

std::optional<std::int64_t> TransformEngine::ReadPoints() {
  const auto records = ReadInputFile(PointFile, PointsFileFormat());
  if (!records) return std::nullopt;
  PointCount = Store(*records, Points);
  return PointCount;
}

}  // namespace korvanta
