#pragma once

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

#include "tests/support/child_process.h"

namespace korvanta::testing {

// Permissions do not stop root, and CI runs as root, so a test of what a
// user may not do runs that part in a child process as an ordinary user:
// as root the child takes user and group 65534 ("nobody"); as anyone else it
// stays who it is.
inline uid_t OtherUser() {
  return ::geteuid() == 0 ? 65534 : ::geteuid();
}
inline gid_t OtherGroup() {
  return ::geteuid() == 0 ? 65534 : ::getegid();
}

// Makes the file (or folder, or link) the other user's.
inline void GiveToOtherUser(const std::filesystem::path& path) {
  ASSERT_EQ(::lchown(path.c_str(), OtherUser(), OtherGroup()), 0) << std::strerror(errno);
}

// Runs `body` in a child process as OtherUser() (see InChildProcess); a
// failure to change user comes back as "cannot become the other user: " and
// the reason.
inline std::string AsOtherUser(const std::function<std::string()>& body) {
  return InChildProcess([&] {
    if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 ||
                             ::setresgid(OtherGroup(), OtherGroup(), OtherGroup()) != 0 ||
                             ::setresuid(OtherUser(), OtherUser(), OtherUser()) != 0)) {
      return "cannot become the other user: " + std::string(std::strerror(errno));
    }
    return body();
  });
}

}  // namespace korvanta::testing
