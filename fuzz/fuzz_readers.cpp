// Feeds arbitrary bytes to the control and points readers and to the number
// conversions. Any crash, sanitizer report or broken invariant is a finding.
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/input_file.h"
#include "engine/transform_engine.h"
#include "toolkit/core/format.h"
#include "toolkit/core/message.h"
#include "toolkit/core/text.h"

namespace {

const std::string& ScratchFile() {
  static const std::string path = [] {
    std::string p = "/tmp/korvanta-fuzz-" + std::to_string(getpid()) + ".csv";
    return p;
  }();
  return path;
}

void Check(bool condition) {
  if (!condition) std::abort();
}

void FuzzNumbers(std::string_view text) {
  if (const auto value = korvanta::ParseNumber(text)) {
    Check(std::isfinite(*value));
    Check(korvanta::StringToDouble(text) == *value);
    // The shortest text reads back as the same double.
    Check(korvanta::ParseNumber(korvanta::DoubleToString(*value)) == *value);
    Check(!korvanta::Format(*value, "-########.0000").empty());
    Check(!korvanta::Format(*value, "###0.00000").empty());
  } else {
    Check(korvanta::StringToDouble(text) == 0.0);
  }
  if (const auto integer = korvanta::ParseInteger(text)) {
    Check(korvanta::ParseInteger(korvanta::Int64ToString(*integer)) == integer);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool quiet = [] {
    korvanta::SetMessagePresenter([](const std::string&) {});
    return true;
  }();
  static_cast<void>(quiet);

  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  FuzzNumbers(bytes.substr(0, 64));

  if (std::FILE* f = std::fopen(ScratchFile().c_str(), "wb")) {
    std::fwrite(data, 1, size, f);
    std::fclose(f);
  }
  korvanta::TransformEngine engine;
  engine.ControlFile = korvanta::FolderItem(ScratchFile());
  engine.PointFile = korvanta::FolderItem(ScratchFile());
  if (const auto count = engine.ReadControl()) {
    Check(*count >= 0 && *count <= korvanta::TransformEngine::kControlCapacity);
    for (std::int64_t r = 1; r <= *count; ++r) {
      for (std::int64_t c = 2; c <= 5; ++c) {
        Check(korvanta::ParseNumber(korvanta::TransformEngine::Control(r, c)).has_value());
      }
    }
  }
  if (const auto count = engine.ReadPoints()) {
    Check(*count >= 0 && *count <= korvanta::TransformEngine::kPointCapacity);
  }
  return 0;
}
