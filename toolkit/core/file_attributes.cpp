#include "toolkit/core/file_attributes.h"

#include <sys/types.h>
#include <sys/xattr.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvanta {
namespace {

constexpr std::string_view kCapabilities = "security.capability";

// The names of the file's extended attributes: none where the file system
// keeps none, nullopt where they cannot be listed. Asked again where the
// list grew between asking its size and reading it.
std::optional<std::vector<std::string>> Names(int fd) {
  for (;;) {
    const ssize_t size = ::flistxattr(fd, nullptr, 0);
    if (size < 0) {
      if (errno == ENOTSUP) return std::vector<std::string>{};
      return std::nullopt;
    }
    std::string list(static_cast<std::size_t>(size), '\0');
    const ssize_t got = size == 0 ? 0 : ::flistxattr(fd, list.data(), list.size());
    if (got < 0) {
      if (errno == ERANGE) continue;
      return std::nullopt;
    }
    list.resize(static_cast<std::size_t>(got));
    std::vector<std::string> names;
    for (std::size_t start = 0; start < list.size();) {
      const std::size_t end = std::min(list.find('\0', start), list.size());
      if (end > start) names.emplace_back(list, start, end - start);
      start = end + 1;
    }
    return names;
  }
}

// The attribute's value; nullopt where it is not there or cannot be read.
std::optional<std::string> Value(int fd, const std::string& name) {
  for (;;) {
    const ssize_t size = ::fgetxattr(fd, name.c_str(), nullptr, 0);
    if (size < 0) return std::nullopt;
    std::string value(static_cast<std::size_t>(size), '\0');
    const ssize_t got = size == 0 ? 0 : ::fgetxattr(fd, name.c_str(), value.data(), value.size());
    if (got < 0) {
      if (errno == ERANGE) continue;
      return std::nullopt;
    }
    value.resize(static_cast<std::size_t>(got));
    return value;
  }
}

bool Holds(const std::vector<std::string>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

bool CopyExtendedAttributes(int from, int to) {
  const std::optional<std::vector<std::string>> wanted = Names(from);
  const std::optional<std::vector<std::string>> present = Names(to);
  if (!wanted || !present) return false;
  // Taken away first, so that an inherited ACL never meets the earlier
  // file's mode and grants what neither file granted.
  for (const std::string& name : *present) {
    if (Holds(*wanted, name) && name != kCapabilities) continue;
    if (::fremovexattr(to, name.c_str()) != 0 && errno != ENODATA) return false;
  }
  for (const std::string& name : *wanted) {
    if (name == kCapabilities) continue;
    const std::optional<std::string> value = Value(from, name);
    if (!value) return false;
    if (Holds(*present, name) && Value(to, name) == value) continue;
    if (::fsetxattr(to, name.c_str(), value->data(), value->size(), 0) != 0) return false;
  }
  return true;
}

}  // namespace korvanta
