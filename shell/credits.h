#pragma once

#include <string_view>

namespace korvanta {

// The credit in the main window's corner. It must fit the label's 122 x 20
// in the italic size 10 that the window gives it when it opens.
inline constexpr std::string_view kCreditLine = "Korvanta, 2026";

// The last two lines of the help text.
inline constexpr std::string_view kFeedbackLine =
    "Comments and feedback are welcome on the Korvanta issue tracker.";
inline constexpr std::string_view kSignatureLine = "Korvanta developers, 2026";

}  // namespace korvanta
