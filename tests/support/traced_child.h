#pragma once

#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/child_process.h"
#include "tests/support/strace.h"
#include "tests/support/temp_files.h"
#include "toolkit/core/unique_fd.h"

namespace korvanta::testing {

// Runs `body` in a child process under strace (the options given, e.g.
// "-e", "inject=statx:error=ENOSYS"), so that a test can meet a system call
// failing, or slowed, for real. The child waits until strace has attached
// and Run lets it go; what it returned comes back as ReportingChild gives
// it. Needs strace and the right to trace (root, or a ptrace scope of 0);
// elsewhere CannotTrace says why.
class TracedChild {
 public:
  TracedChild(const std::function<std::string()>& body, const std::vector<std::string>& options,
              const std::filesystem::path& log)
      : log_(log) {
    cannot_ = StraceMissing();
    if (!cannot_.empty()) return;
    int go[2];
    if (::pipe(go) != 0) {
      cannot_ = "no pipe";
      return;
    }
    release_ = UniqueFd(go[1]);
    UniqueFd wait_end(go[0]);
    const auto wait_for_run = [&] {
      release_.Reset();
      char byte = 0;
      return ::read(wait_end.Get(), &byte, 1) == 1;
    };
    if (!child_.Start(body, wait_for_run)) {
      cannot_ = child_.Failure();
      return;
    }
    std::vector<std::string> words{"strace",      "-q", "-o",
                                   log_.string(), "-p", std::to_string(child_.Pid())};
    words.insert(words.end(), options.begin(), options.end());
    const std::vector<char*> argv = ExecWords(words);
    tracer_ = ::fork();
    if (tracer_ == 0) {
      ::execvp(argv[0], argv.data());
      ::_exit(127);
    }
    if (tracer_ < 0 || !Attached()) {
      cannot_ = "strace cannot trace a child here (ptrace refused)";
      Stop();
    }
  }
  ~TracedChild() { Stop(); }
  TracedChild(const TracedChild&) = delete;
  TracedChild& operator=(const TracedChild&) = delete;

  // "" where the child is traced and waits for Run.
  const std::string& CannotTrace() const { return cannot_; }

  // Lets the body run; gives its report once it and strace have ended.
  std::string Run() {
    if (::write(release_.Get(), "g", 1) != 1) return "the child cannot be let go";
    release_.Reset();
    std::string text = child_.Report();
    if (tracer_ > 0) ::waitpid(tracer_, nullptr, 0);
    tracer_ = -1;
    return text;
  }

  // What strace wrote about the child's system calls.
  std::string Log() const { return ReadBytes(log_); }

 private:
  // Waits up to ten seconds for the child to have a tracer; false at once
  // where strace has ended without attaching.
  bool Attached() {
    for (int i = 0; i < 10000; ++i) {
      std::ifstream status("/proc/" + std::to_string(child_.Pid()) + "/status");
      for (std::string line; std::getline(status, line);) {
        if (line.starts_with("TracerPid:") &&
            line.find_first_not_of("\t 0", 10) != std::string::npos) {
          return true;
        }
      }
      if (::waitpid(tracer_, nullptr, WNOHANG) == tracer_) {
        tracer_ = -1;
        return false;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
  }
  void Stop() {
    child_.Kill();
    if (tracer_ <= 0) return;
    ::kill(tracer_, SIGKILL);
    ::waitpid(tracer_, nullptr, 0);
    tracer_ = -1;
  }

  std::filesystem::path log_;
  std::string cannot_;
  UniqueFd release_;
  ReportingChild child_;
  pid_t tracer_ = -1;
};

}  // namespace korvanta::testing
