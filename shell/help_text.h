#pragma once

#include <string>

namespace korvanta {

// The help window's whole text: its lines, each ended by EndOfLine, with an
// empty line after the order of work, after the file formats and after the
// caution.
std::string HelpText();

}  // namespace korvanta
