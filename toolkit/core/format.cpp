#include "toolkit/core/format.h"

#include <algorithm>
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
  // no locale; the magnitude is formatted and the sign handled here. It
  // writes every character that is read, so the buffer is not cleared.
  std::array<char, 400> buffer;
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                    std::chars_format::fixed, decimals);
  const std::string_view digits(buffer.data(),
                                static_cast<std::size_t>(result.ptr - buffer.data()));

  const std::size_t integer_length = std::min(digits.find('.'), digits.size());
  std::size_t first_significant = 0;
  while (first_significant + required_integer_digits < integer_length &&
         digits[first_significant] == '0') {
    ++first_significant;
  }
  const std::size_t shown_integer_digits = integer_length - first_significant;
  const std::size_t padding = shown_integer_digits < required_integer_digits
                                  ? required_integer_digits - shown_integer_digits
                                  : 0;

  const bool all_zero = digits.find_first_not_of("0.") == std::string_view::npos;
  const bool negative = std::signbit(value) && !all_zero;
  std::string text;
  text.reserve(1 + padding + digits.size() - first_significant);
  if (negative) text += '-';
  text.append(padding, '0');
  text.append(digits.substr(first_significant));
  return text;
}

}  // namespace korvanta
