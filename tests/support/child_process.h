#pragma once

#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/core/unique_fd.h"

namespace korvanta::testing {

// Pointers to the words' text, ended by nullptr, as exec takes them. Made
// before a fork: the child then only calls what is safe there.
inline std::vector<char*> ExecWords(std::vector<std::string>& words) {
  std::vector<char*> pointers;
  for (std::string& word : words) pointers.push_back(word.data());
  pointers.push_back(nullptr);
  return pointers;
}

// A child process that runs a body and sends back the text it returned; a
// throw comes back as "exception: " and its text. Test assertions belong in
// the parent, on the text. A child still running when the object goes is
// killed.
class ReportingChild {
 public:
  ReportingChild() = default;
  ~ReportingChild() { Kill(); }
  ReportingChild(const ReportingChild&) = delete;
  ReportingChild& operator=(const ReportingChild&) = delete;

  // Forks the child. It first calls `gate`, where given, and ends with
  // status 2 without running `body` where the gate gives false. False where
  // no child runs; Failure says why.
  bool Start(const std::function<std::string()>& body,
             const std::function<bool()>& gate = nullptr) {
    int ends[2];
    if (::pipe(ends) != 0) return Fail("no pipe: ");
    report_ = UniqueFd(ends[0]);
    UniqueFd write_end(ends[1]);
    pid_ = ::fork();
    if (pid_ < 0) return Fail("no fork: ");
    if (pid_ == 0) {
      report_.Reset();
      if (gate && !gate()) ::_exit(2);
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
    return true;
  }

  const std::string& Failure() const { return failure_; }
  pid_t Pid() const { return pid_; }

  // Waits for the child's end; gives the text it sent, or the signal that
  // ended it.
  std::string Report() {
    std::string report;
    char chunk[4096];
    ssize_t n = 0;
    while ((n = ::read(report_.Get(), chunk, sizeof chunk)) > 0) {
      report.append(chunk, static_cast<std::size_t>(n));
    }
    report_.Reset();
    int status = 0;
    if (pid_ > 0) ::waitpid(pid_, &status, 0);
    pid_ = -1;
    if (!WIFEXITED(status)) return "the child ended by signal " + std::to_string(WTERMSIG(status));
    return report;
  }

  void Kill() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }

 private:
  bool Fail(const char* step) {
    failure_ = step + std::string(std::strerror(errno));
    pid_ = -1;
    return false;
  }

  pid_t pid_ = -1;
  UniqueFd report_;
  std::string failure_;
};

// Runs `body` in a child process (see ReportingChild) and gives back the
// text it returned. For a test whose steps change what the whole process is
// (its user, its mounts), which must not outlast the test.
inline std::string InChildProcess(const std::function<std::string()>& body) {
  ReportingChild child;
  if (!child.Start(body)) return child.Failure();
  return child.Report();
}

}  // namespace korvanta::testing
