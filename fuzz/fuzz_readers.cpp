// Feeds arbitrary bytes to the control and points readers and to the number
// conversions. Any crash, sanitizer report or broken invariant is a finding.
#include <sys/mman.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/input_file.h"
#include "engine/transform_engine.h"
#include "toolkit/core/folder_item.h"
#include "toolkit/core/format.h"
#include "toolkit/core/message.h"
#include "toolkit/core/text.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// The readers' input: a file that lives in memory only, named by its
// /proc/self/fd path, so the readers open it as they open any file and
// nothing is left on disk, whatever way the run ends.
class MemoryFile {
 public:
  MemoryFile() : fd_(memfd_create("korvanta-fuzz", MFD_CLOEXEC)) {
    Check(fd_ >= 0);
    path_ = "/proc/self/fd/" + std::to_string(fd_);
  }

  void Fill(const std::uint8_t* data, std::size_t size) const {
    Check(ftruncate(fd_, 0) == 0);
    for (std::size_t done = 0; done < size;) {
      const ssize_t written = pwrite(fd_, data + done, size - done, static_cast<off_t>(done));
      Check(written > 0);
      done += static_cast<std::size_t>(written);
    }
  }

  korvanta::FolderItem Item() const { return korvanta::FolderItem(path_); }

 private:
  int fd_;
  std::string path_;
};

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

  static const MemoryFile input;
  input.Fill(data, size);
  korvanta::TransformEngine engine;
  engine.ControlFile = input.Item();
  engine.PointFile = input.Item();
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
