#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace korvanta {

// The pieces of the coefficient report, each appended on its own: the
// redundancy line with the empty line after it, then one line per coefficient
// 1 to n from CoeffID and Coeff ("a1=  value   ±sd"). Touches no window.
std::vector<std::string> ParamReportPieces(std::int64_t df, std::int64_t n);

}  // namespace korvanta
