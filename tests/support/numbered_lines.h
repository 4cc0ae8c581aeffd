#pragma once

#include <charconv>
#include <string>
#include <vector>

namespace korvanta::testing {

// `count` lines of 24 characters and LF, so that a file's length in bytes
// (25 a line) and in 4 KiB pages or blocks is known.
inline std::vector<std::string> NumberedLines(int count) {
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i) {
    char number[8] = "0000000";
    char* end = std::to_chars(number, number + 7, i).ptr;
    const std::string digits(number, end);
    lines.push_back("P" + std::string(5 - digits.size(), '0') + digits + ", 100.0000, 200.00");
  }
  return lines;
}

// The bytes a file holds once the lines are written.
inline std::string JoinedLines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const auto& line : lines) bytes += line + "\n";
  return bytes;
}

}  // namespace korvanta::testing
