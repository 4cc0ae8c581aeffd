#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

#include "toolkit/core/folder_item.h"

namespace korvanta::testing {

// A folder of its own for each test, removed afterwards.
class TempFolder {
 public:
  TempFolder() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() /
            ("korvanta-test-" + std::to_string(rd()) + "-" + std::to_string(rd()));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }

  // Writes the bytes exactly as given and returns a reference to the file.
  FolderItem Write(const std::string& name, std::string_view bytes) const {
    WriteAt(path_ / name, bytes);
    return FolderItem(path_ / name);
  }
  static void WriteAt(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }

  FolderItem Item(const std::string& name) const { return FolderItem(path_ / name); }

 private:
  std::filesystem::path path_;
};

inline std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// ASCII text as UTF-16 writes it ("Unicode text" of a spreadsheet), without
// a byte-order mark.
inline std::string AsUtf16(bool big_endian, std::string_view ascii) {
  std::string bytes;
  for (const char c : ascii) {
    bytes += big_endian ? '\0' : c;
    bytes += big_endian ? c : '\0';
  }
  return bytes;
}

}  // namespace korvanta::testing
