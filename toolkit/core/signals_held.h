#pragma once

#include <signal.h>

#include <array>

namespace korvanta {

// While it lives, the signals a write can bring on do not end the program:
//
// - SIGPIPE (a FIFO whose reader has gone) and SIGXFSZ (a file that would
//   pass the limit on a file's size, `ulimit -f`) are held on the calling
//   thread, to which the system sends them, and dropped at the end unless
//   they were already waiting before: the write reports them itself, as
//   EPIPE and EFBIG.
// - With kHeld, SIGTERM, SIGINT and SIGHUP (a kill, Ctrl+C, a logout) wait
//   until it ends and then take effect as they would have, with the
//   disposition the program has for them (by default, the program ends).
//   They are held on the calling thread and, since the system may hand a
//   signal to any thread of the program (the GUI toolkit starts some of its
//   own), also caught process-wide meanwhile and raised again at the end. A
//   signal the program ignores stays ignored.
//
// For the span of a write that must not be cut short: a temporary file that
// exists, or a file being written over in place. One thread writes at a
// time (the program writes from its GUI thread alone): the process-wide
// catch belongs to the outermost holder, and a caught signal is raised again
// on its thread, so that its handler has run when the holder is gone.
class SignalsHeld {
 public:
  enum class Ending { kHeld, kLetThrough };

  // The signals kHeld holds until the end.
  static constexpr std::array<int, 3> kEnding = {SIGTERM, SIGINT, SIGHUP};

  explicit SignalsHeld(Ending ending);
  ~SignalsHeld();
  SignalsHeld(const SignalsHeld&) = delete;
  SignalsHeld& operator=(const SignalsHeld&) = delete;

 private:
  sigset_t previous_mask_{};
  sigset_t to_drop_{};  // the write's own signals that were not waiting before
  std::array<struct sigaction, kEnding.size()> previous_action_{};
  std::array<bool, kEnding.size()> caught_{};  // whose disposition this holder set
};

}  // namespace korvanta
