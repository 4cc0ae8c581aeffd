#pragma once

#include <string>
#include <string_view>

namespace korvanta {

// Format(value, pattern) for the numeric patterns Korvanta writes:
//   '#'  an optional digit, '0' a required digit, '.' the decimal point,
//   '-'  the place of the minus sign.
// The value is rounded (correctly, half to even on the exact binary value) to
// as many decimals as the pattern has digit places after the point. Rules the
// pattern leaves open, chosen so that no number is ever misread:
//   - digits before the point are never cut off: a value wider than the
//     pattern shows all of its digits;
//   - a value below 1 in magnitude shows "0" before the point even where the
//     pattern has only optional digits ("0.5000", not ".5000"), so other
//     programs and readers see an ordinary number;
//   - a negative value always carries its minus sign, with or without a '-'
//     in the pattern, unless it rounds to zero ("0.0000", never "-0.0000");
//   - no grouping separators, no locale;
//   - infinities and NaN give "Infinity", "-Infinity" and "NaN", as
//     DoubleToString does.
std::string Format(double value, std::string_view pattern);

}  // namespace korvanta
