#include "shell/help_text.h"

#include <array>
#include <string_view>

#include "shell/credits.h"
#include "toolkit/core/text.h"

namespace korvanta {
namespace {

struct HelpLine {
  std::string_view text;
  bool blank_after = false;
};

// The points file holds ID, x, y on each line, as its reader requires. The
// caution says what both readers refuse (engine/input_file.cpp): a line
// with fewer fields than its format, or a coordinate that is not a number.
constexpr std::array<HelpLine, 16> kLines{{
    {"Perform in this order:"},
    {"1. Select Control Point file"},
    {"2. Pick transformation type."},
    {"3. Click Coefficients button to generate and view coefficients."},
    {"4. Select Output file"},
    {"5. Select Points file: those to be transformed."},
    {"6. Click Transform button."},
    {"   Points will be transformed, written to file & displayed on screen.", true},
    {"Input files are comma delimited text files with these formats"},
    {"   Control: ID, E, N, x, y"},
    {"   Points: ID, x, y"},
    {"Output file: ID, E, N, SDe, SDn", true},
    {"Caution: Korvanta refuses lines with missing fields or coordinates that are not numbers."},
    {"Be sure they are text files with correct format.", true},
    {kFeedbackLine},
    {kSignatureLine},
}};

}  // namespace

std::string HelpText() {
  const std::string_view eol = EndOfLine;
  std::string text;
  for (const HelpLine& line : kLines) {
    text.append(line.text).append(eol);
    if (line.blank_after) text.append(eol);
  }
  return text;
}

}  // namespace korvanta
