#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace korvanta {

// Text from a file as a message may show it: valid UTF-8 characters as they
// are; control characters (C0, DEL, C1) and bytes that are not part of valid
// UTF-8 as \xNN, one per byte, so a NUL or a stray binary byte is seen, not
// swallowed or shown as a box. At most max_bytes of the text are shown, cut
// before a character and never inside one, followed by "..." when cut.
std::string VisibleText(std::string_view text, std::size_t max_bytes);

}  // namespace korvanta
