#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "toolkit/core/visible_text.h"

namespace korvanta {

// What a message shows of any field of an input file (an ID, a number that
// is not one): its first bytes, control and invalid bytes as \xNN. A stray
// binary file can then neither flood a message box nor hide what it holds.
inline constexpr std::size_t kShownFieldBytes = 40;

inline std::string ShownField(std::string_view text) {
  return VisibleText(text, kShownFieldBytes);
}

}  // namespace korvanta
