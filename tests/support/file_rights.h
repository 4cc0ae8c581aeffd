#pragma once

#include <sys/stat.h>

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>

namespace korvanta::testing {

// What the command prints on its standard output (its errors go to the
// test's own).
inline std::string CommandOutput(const std::string& command) {
  std::string output;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return "cannot run: " + command;
  char chunk[4096];
  std::size_t n = 0;
  while ((n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0) output.append(chunk, n);
  ::pclose(pipe);
  return output;
}

// Who may do what with the file, as a user sees it: its permission bits in
// octal, its ACL as getfacl shows it, and its other extended attributes as
// getfattr dumps them, one a line.
inline std::string Rights(const std::filesystem::path& file) {
  struct stat info {};
  if (::stat(file.c_str(), &info) != 0) return "gone\n";
  char mode[8] = {};
  std::to_chars(mode, mode + sizeof mode - 1, static_cast<unsigned>(info.st_mode & 07777), 8);
  const std::string quoted = "'" + file.string() + "'";
  std::string rights = "mode " + std::string(mode) + "\n";
  std::istringstream lines(CommandOutput("getfacl --omit-header --absolute-names " + quoted +
                                         " 2>/dev/null; getfattr --absolute-names -d -m - " +
                                         quoted + " 2>/dev/null"));
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line.starts_with("# file:") ||
        line.starts_with("system.posix_acl_access=")) {
      continue;
    }
    rights += line + "\n";
  }
  return rights;
}

}  // namespace korvanta::testing
