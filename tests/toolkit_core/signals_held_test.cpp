#include "toolkit/core/signals_held.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <ostream>
#include <string>
#include <thread>

#include "tests/support/case_names.h"

namespace korvanta {
namespace {

using testing::PrintTo;

std::atomic<int> handled{0};

void CountSignal(int) {
  handled.fetch_add(1);
}

// A signal that ends the program, sent to the whole program by another
// thread while a write holds it, as a logout's SIGTERM reaches a program
// with several threads: the program's own disposition for it applies once
// the holder ends, and not before.
struct HeldCase {
  const char* name;
  bool program_ignores;  // SIG_IGN instead of a handler of the program's
  int handled_afterwards;
};

class SignalsHeldForAWrite : public ::testing::TestWithParam<HeldCase> {};

TEST_P(SignalsHeldForAWrite, TakeEffectByTheProgramsDispositionOnceTheHolderEnds) {
  const HeldCase& c = GetParam();
  struct sigaction own {};
  own.sa_handler = c.program_ignores ? SIG_IGN : &CountSignal;
  sigemptyset(&own.sa_mask);
  struct sigaction before {};
  ASSERT_EQ(::sigaction(SIGTERM, &own, &before), 0);
  handled = 0;

  // The sending thread is started before the holder, so that it does not
  // hold the signal (a new thread takes over its creator's mask), as the
  // toolkit's own threads do not: the system hands the signal to it.
  std::atomic<bool> go{false};
  std::thread sender([&] {
    while (!go.load()) std::this_thread::yield();
    ::kill(::getpid(), SIGTERM);
  });
  int during = -1;
  {
    const SignalsHeld held(SignalsHeld::Ending::kHeld);
    go.store(true);
    sender.join();
    during = handled.load();
  }
  const int afterwards = handled.load();
  struct sigaction now {};
  ::sigaction(SIGTERM, &before, &now);

  EXPECT_EQ(during, 0);
  EXPECT_EQ(afterwards, c.handled_afterwards);
  EXPECT_EQ(now.sa_handler, own.sa_handler) << "the program's disposition was not given back";
}

INSTANTIATE_TEST_SUITE_P(Cases, SignalsHeldForAWrite,
                         ::testing::Values(HeldCase{"TheProgramsHandlerRunsOnceAfter", false, 1},
                                           HeldCase{"AnIgnoredSignalStaysIgnored", true, 0}),
                         testing::ByName());

}  // namespace
}  // namespace korvanta
