#pragma once

#include <fcntl.h>
#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "tests/support/child_process.h"
#include "tests/support/strace.h"
#include "toolkit/core/unique_fd.h"

namespace korvanta::testing {

// A program run under strace in a child process, with strace's options
// (what to refuse or delay) and its log in a file; the program's standard
// output comes back through a pipe.
class TracedProgram {
 public:
  TracedProgram(const std::vector<std::string>& strace_options,
                const std::vector<std::string>& command, std::filesystem::path log)
      : log_(std::move(log)) {
    std::vector<std::string> words = {"strace", "-qq", "-e", "signal=none", "-o", log_.string()};
    words.insert(words.end(), strace_options.begin(), strace_options.end());
    words.insert(words.end(), command.begin(), command.end());
    // LeakSanitizer cannot run in a traced program and would fail it at its
    // end: a sanitized build's program runs without it here.
    std::vector<std::string> environment;
    std::string sanitizer = "ASAN_OPTIONS=detect_leaks=0";
    for (char** entry = environ; *entry != nullptr; ++entry) {
      const std::string_view text(*entry);
      if (text.starts_with("ASAN_OPTIONS=")) {
        sanitizer = std::string(text) + ":detect_leaks=0";
      } else {
        environment.emplace_back(text);
      }
    }
    environment.push_back(sanitizer);
    // Made before the fork: the child only calls what is safe there.
    const std::vector<char*> argv = ExecWords(words);
    const std::vector<char*> envp = ExecWords(environment);
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) return;
    UniqueFd read_end(ends[0]);
    UniqueFd write_end(ends[1]);
    child_ = ::fork();
    if (child_ == 0) {
      ::dup2(write_end.Get(), STDOUT_FILENO);
      ::execvpe(argv[0], argv.data(), envp.data());
      ::_exit(127);
    }
    output_ = std::move(read_end);
  }
  ~TracedProgram() {
    if (child_ > 0 && !finished_) {
      ::kill(child_, SIGKILL);
      ::waitpid(child_, nullptr, 0);
    }
  }
  TracedProgram(const TracedProgram&) = delete;
  TracedProgram& operator=(const TracedProgram&) = delete;

  // The next line of the program's output, without its LF; "" at its end.
  std::string ReadLine() {
    std::string line;
    char c = 0;
    while (output_ && ::read(output_.Get(), &c, 1) == 1 && c != '\n') line += c;
    return line;
  }

  // Waits until strace's log holds `text` (a call it has entered); false
  // when it does not within `limit`.
  bool WaitForLog(std::string_view text, std::chrono::milliseconds limit) const {
    const auto until = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < until) {
      std::ifstream in(log_);
      const std::string log(std::istreambuf_iterator<char>(in), {});
      if (log.find(text) != std::string::npos) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
  }

  // The rest of the output, and how the program ended: "exited N" or
  // "ended by signal N" (strace ends itself as the program ended).
  std::string Finish() {
    std::string rest;
    for (std::string line = ReadLine(); !line.empty(); line = ReadLine()) rest += line + "\n";
    int status = 0;
    if (child_ <= 0 || ::waitpid(child_, &status, 0) != child_) return rest + "not run";
    finished_ = true;
    if (WIFSIGNALED(status)) return rest + "ended by signal " + std::to_string(WTERMSIG(status));
    return rest + "exited " + std::to_string(WEXITSTATUS(status));
  }

 private:
  std::filesystem::path log_;
  pid_t child_ = -1;
  UniqueFd output_;
  bool finished_ = false;
};

}  // namespace korvanta::testing
