#pragma once

#include <cstdlib>
#include <string>

namespace korvanta::testing {

// Gives "" where strace can run here, else why not: a test skips on it.
inline std::string StraceMissing() {
  if (std::system("strace -V >/dev/null 2>&1") == 0) return "";
  return "strace is missing (scripts/setup.sh installs it)";
}

}  // namespace korvanta::testing
