#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include "tests/support/special_files.h"

namespace korvanta::testing {

// The content as a test compares it: "earlier" or "new" where it is one of
// the two, else its length and end, so that a failure shows what became of
// the file without pages of lines.
inline std::string Named(const std::string& content, const std::string& earlier,
                         const std::string& now) {
  if (content == earlier) return "earlier";
  if (content == now) return "new";
  const std::size_t end = content.size() > 16 ? content.size() - 16 : 0;
  return std::to_string(content.size()) + " bytes ending \"" + content.substr(end) + "\"";
}

// The folder's entries (see FolderState), each file's content named, each
// entry after a LF.
inline std::string NamedState(const std::filesystem::path& folder, const std::string& earlier,
                              const std::string& now) {
  std::string state;
  for (std::string entry : FolderState(folder)) {
    const std::size_t content = entry.find(": ", entry.find(": ") + 2);
    if (content != std::string::npos) {
      entry.replace(content + 2, std::string::npos, Named(entry.substr(content + 2), earlier, now));
    }
    state += "\n" + entry;
  }
  return state;
}

}  // namespace korvanta::testing
