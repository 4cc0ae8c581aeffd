#include "toolkit/core/signals_held.h"

#include <pthread.h>
#include <signal.h>
#include <time.h>

#include <atomic>
#include <cstddef>

namespace korvanta {
namespace {

constexpr std::array<int, 2> kWriteOwn = {SIGPIPE, SIGXFSZ};
constexpr auto kEnding = SignalsHeld::kEnding;

// Which ending signal arrived while held, one flag each; set from a signal
// handler on whichever thread the system chose.
std::array<std::atomic<bool>, kEnding.size()> arrived{};
static_assert(std::atomic<bool>::is_always_lock_free);

void NoteArrival(int signal_number) {
  for (std::size_t i = 0; i < kEnding.size(); ++i) {
    if (kEnding[i] == signal_number) arrived[i].store(true);
  }
}

bool IsNoteArrival(const struct sigaction& action) {
  return (action.sa_flags & SA_SIGINFO) == 0 && action.sa_handler == &NoteArrival;
}

bool IsIgnored(const struct sigaction& action) {
  return (action.sa_flags & SA_SIGINFO) == 0 && action.sa_handler == SIG_IGN;
}

}  // namespace

SignalsHeld::SignalsHeld(Ending ending) {
  sigset_t waiting;
  sigemptyset(&waiting);
  ::sigpending(&waiting);
  sigset_t held;
  sigemptyset(&held);
  sigemptyset(&to_drop_);
  for (const int signal_number : kWriteOwn) {
    sigaddset(&held, signal_number);
    if (sigismember(&waiting, signal_number) != 1) sigaddset(&to_drop_, signal_number);
  }
  if (ending == Ending::kHeld) {
    for (std::size_t i = 0; i < kEnding.size(); ++i) {
      sigaddset(&held, kEnding[i]);
      struct sigaction current {};
      ::sigaction(kEnding[i], nullptr, &current);
      // An ignored signal stays ignored; one already caught belongs to an
      // outer holder, which raises it again.
      if (IsIgnored(current) || IsNoteArrival(current)) continue;
      arrived[i].store(false);
      struct sigaction note {};
      note.sa_handler = &NoteArrival;
      sigfillset(&note.sa_mask);
      note.sa_flags = SA_RESTART;
      caught_[i] = ::sigaction(kEnding[i], &note, &previous_action_[i]) == 0;
    }
  }
  ::pthread_sigmask(SIG_BLOCK, &held, &previous_mask_);
}

SignalsHeld::~SignalsHeld() {
  const timespec no_wait{};
  while (::sigtimedwait(&to_drop_, nullptr, &no_wait) > 0) {
  }
  // The earlier dispositions first, so that an ending signal still waiting
  // on this thread takes effect by them once the mask is restored.
  for (std::size_t i = 0; i < kEnding.size(); ++i) {
    if (caught_[i]) ::sigaction(kEnding[i], &previous_action_[i], nullptr);
  }
  ::pthread_sigmask(SIG_SETMASK, &previous_mask_, nullptr);
  for (std::size_t i = 0; i < kEnding.size(); ++i) {
    if (caught_[i] && arrived[i].exchange(false)) ::raise(kEnding[i]);
  }
}

}  // namespace korvanta
