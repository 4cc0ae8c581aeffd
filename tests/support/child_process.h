#pragma once

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <exception>
#include <functional>
#include <string>

#include "toolkit/core/unique_fd.h"

namespace korvanta::testing {

// Runs `body` in a child process and gives back the text it returned; a
// throw comes back as "exception: " and its text. For a test whose steps
// change what the whole process is (its user, its mounts), which must not
// outlast the test. Test assertions belong in the parent, on the text.
inline std::string InChildProcess(const std::function<std::string()>& body) {
  int ends[2];
  if (::pipe(ends) != 0) return "no pipe: " + std::string(std::strerror(errno));
  UniqueFd read_end(ends[0]);
  UniqueFd write_end(ends[1]);
  const pid_t child = ::fork();
  if (child < 0) return "no fork: " + std::string(std::strerror(errno));
  if (child == 0) {
    read_end.Reset();
    std::string report;
    try {
      report = body();
    } catch (const std::exception& e) {
      report = "exception: " + std::string(e.what());
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
