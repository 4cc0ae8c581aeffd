#include "toolkit/core/format.h"

#include <array>
#include <charconv>
#include <cmath>

#include "toolkit/core/text.h"

namespace korvanta {

std::string Format(double value, std::string_view pattern) {
  if (auto text = NonFiniteText(value)) return *text;

  const std::size_t point = pattern.find('.');
  int decimals = 0;
  std::size_t required_integer_digits = 0;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c != '#' && c != '0') continue;
    if (point != std::string_view::npos && i > point) {
      ++decimals;
    } else if (c == '0') {
      ++required_integer_digits;
    }
  }
  if (required_integer_digits == 0) required_integer_digits = 1;

  // to_chars in fixed form rounds the exact binary value correctly and needs
  // no locale; the magnitude is formatted and the sign handled here.
  std::array<char, 400> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                    std::chars_format::fixed, decimals);
  std::string digits(buffer.data(), result.ptr);

  std::size_t integer_length = digits.find('.');
  if (integer_length == std::string::npos) integer_length = digits.size();
  std::string integer_part = digits.substr(0, integer_length);
  const std::string fraction_part = digits.substr(integer_length);

  std::size_t first_significant = 0;
  while (first_significant + required_integer_digits < integer_part.size() &&
         integer_part[first_significant] == '0') {
    ++first_significant;
  }
  integer_part.erase(0, first_significant);
  if (integer_part.size() < required_integer_digits) {
    integer_part = std::string(required_integer_digits - integer_part.size(), '0') + integer_part;
  }

  const bool all_zero = digits.find_first_not_of("0.") == std::string::npos;
  const bool negative = std::signbit(value) && !all_zero;
  return (negative ? "-" : "") + integer_part + fraction_part;
}

}  // namespace korvanta
