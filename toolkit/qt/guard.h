#pragma once

#include <functional>
#include <string_view>

namespace korvanta {

// The opening line of the message for an error that no handler caught.
inline constexpr std::string_view kUncaughtErrorIntro =
    "Korvanta met an unexpected error and carried on:";

// Runs one event handler (Action, TextChange, Open, a menu command) for the
// toolkit. An error that escapes the handler is shown in a message box naming
// it, and the application carries on with its state as the handler left it:
// an uncaught error never ends the program, and it never unwinds through Qt's
// event delivery, which is not built for exceptions.
void RunGuarded(const std::function<void()>& handler) noexcept;

}  // namespace korvanta
