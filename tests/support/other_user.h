#pragma once

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <exception>
#include <filesystem>
#include <functional>
#include <string>

#include "toolkit/core/unique_fd.h"

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

// Runs `body` in a child process as OtherUser() and gives back the text it
// returned; a throw comes back as "exception: " and its text, a failure to
// change user as "cannot become the other user: " and the reason. Test
// assertions belong in the parent, on the text.
inline std::string AsOtherUser(const std::function<std::string()>& body) {
  int ends[2];
  if (::pipe(ends) != 0) return "no pipe: " + std::string(std::strerror(errno));
  UniqueFd read_end(ends[0]);
  UniqueFd write_end(ends[1]);
  const pid_t child = ::fork();
  if (child < 0) return "no fork: " + std::string(std::strerror(errno));
  if (child == 0) {
    read_end.Reset();
    std::string report;
    if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 ||
                             ::setresgid(OtherGroup(), OtherGroup(), OtherGroup()) != 0 ||
                             ::setresuid(OtherUser(), OtherUser(), OtherUser()) != 0)) {
      report = "cannot become the other user: " + std::string(std::strerror(errno));
    } else {
      try {
        report = body();
      } catch (const std::exception& e) {
        report = "exception: " + std::string(e.what());
      }
    }
    std::size_t sent = 0;
    while (sent < report.size()) {
      const ssize_t n = ::write(write_end.Get(), report.data() + sent, report.size() - sent);
      if (n <= 0) break;
      sent += static_cast<std::size_t>(n);
    }
    ::_exit(0);  // nothing of the test program's own ending runs in the child
  }
  write_end.Reset();
  std::string report;
  char chunk[4096];
  ssize_t n = 0;
  while ((n = ::read(read_end.Get(), chunk, sizeof chunk)) > 0) {
    report.append(chunk, static_cast<std::size_t>(n));
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status)) return "the child ended by signal " + std::to_string(WTERMSIG(status));
  return report;
}

}  // namespace korvanta::testing
