#include "toolkit/qt/guard.h"

#include <exception>
#include <iostream>
#include <string>

#include "toolkit/core/message.h"
#include "toolkit/core/text.h"

namespace korvanta {
namespace {

void Report(std::string_view what) noexcept {
  try {
    MessageBox(std::string(kUncaughtErrorIntro) + std::string(EndOfLine) + std::string(what));
  } catch (...) {
    // The message itself failed (no memory, a presenter that throws): say it
    // where it cannot fail, and carry on all the same.
    std::cerr << kUncaughtErrorIntro << ' ' << what << '\n';
  }
}

}  // namespace

void RunGuarded(const std::function<void()>& handler) noexcept {
  try {
    if (handler) handler();
  } catch (const std::exception& error) {
    Report(error.what());
  } catch (...) {
    Report("an error of unknown kind");
  }
}

}  // namespace korvanta
