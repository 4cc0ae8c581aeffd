#pragma once

#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/temp_files.h"
#include "toolkit/core/unique_fd.h"

namespace korvanta::testing {

// Runs `body` in a child process under strace (the options given, e.g.
// "-e", "inject=statx:error=ENOSYS"), so that a test can meet a system call
// failing, or slowed, for real. The child waits until strace has attached
// and Run lets it go; what it returned comes back as InChildProcess gives
// it. Needs strace and the right to trace (root, or a ptrace scope of 0);
// elsewhere CannotTrace says why.
class TracedChild {
 public:
  TracedChild(const std::function<std::string()>& body, const std::vector<std::string>& options,
              const std::filesystem::path& log)
      : log_(log) {
    int go[2];
    int report[2];
    if (::pipe(go) != 0 || ::pipe(report) != 0) {
      cannot_ = "no pipe";
      return;
    }
    release_ = UniqueFd(go[1]);
    report_ = UniqueFd(report[0]);
    UniqueFd wait_end(go[0]);
    UniqueFd report_end(report[1]);
    child_ = ::fork();
    if (child_ == 0) {
      release_.Reset();
      report_.Reset();
      char byte = 0;
      if (::read(wait_end.Get(), &byte, 1) != 1) ::_exit(2);
      std::string text;
      try {
        text = body();
      } catch (const std::exception& e) {
        text = "exception: " + std::string(e.what());
      }
      std::size_t sent = 0;
      while (sent < text.size()) {
        const ssize_t n = ::write(report_end.Get(), text.data() + sent, text.size() - sent);
        if (n <= 0) break;
        sent += static_cast<std::size_t>(n);
      }
      ::_exit(0);
    }
    if (child_ < 0) {
      cannot_ = "no fork";
      return;
    }
    tracer_ = ::fork();
    if (tracer_ == 0) {
      std::vector<std::string> words{"strace",      "-q", "-o",
                                     log_.string(), "-p", std::to_string(child_)};
      words.insert(words.end(), options.begin(), options.end());
      std::vector<char*> argv;
      for (std::string& word : words) argv.push_back(word.data());
      argv.push_back(nullptr);
      ::execvp("strace", argv.data());
      ::_exit(127);
    }
    if (tracer_ < 0 || !Attached()) {
      cannot_ = "strace cannot trace a child here (not installed, or ptrace refused)";
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
    std::string text;
    char chunk[4096];
    ssize_t n = 0;
    while ((n = ::read(report_.Get(), chunk, sizeof chunk)) > 0) {
      text.append(chunk, static_cast<std::size_t>(n));
    }
    int status = 0;
    ::waitpid(child_, &status, 0);
    child_ = -1;
    if (tracer_ > 0) ::waitpid(tracer_, nullptr, 0);
    tracer_ = -1;
    if (!WIFEXITED(status)) return "the child ended by signal " + std::to_string(WTERMSIG(status));
    return text;
  }

  // What strace wrote about the child's system calls.
  std::string Log() const { return ReadBytes(log_); }

 private:
  // Waits up to ten seconds for the child to have a tracer; false at once
  // where strace has ended without attaching.
  bool Attached() {
    for (int i = 0; i < 10000; ++i) {
      std::ifstream status("/proc/" + std::to_string(child_) + "/status");
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
    for (pid_t* pid : {&child_, &tracer_}) {
      if (*pid <= 0) continue;
      ::kill(*pid, SIGKILL);
      ::waitpid(*pid, nullptr, 0);
      *pid = -1;
    }
  }

  std::filesystem::path log_;
  std::string cannot_;
  pid_t child_ = -1;
  pid_t tracer_ = -1;
  UniqueFd release_;
  UniqueFd report_;
};

}  // namespace korvanta::testing
