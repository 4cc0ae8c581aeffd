#include "toolkit/core/text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace korvanta {
namespace {

bool IsBlankChar(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlankChar(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlankChar(text.back())) text.remove_suffix(1);
  return text;
}

// from_chars takes no leading "+", and takes "inf" and "nan"; so the syntax is
// checked here first and only the plain decimal form is handed on.
bool IsDecimalSyntax(std::string_view t) {
  std::size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t exp_digits = 0;
    while (i < t.size() && IsDigit(t[i])) ++i, ++exp_digits;
    if (exp_digits == 0) return false;
  }
  return i == t.size();
}

// The power of ten of a decimal's leading non-zero digit ("0.05" gives -2,
// "1e-400" gives -400), for a decimal of valid syntax; exponents beyond what
// any double needs are held at a million.
std::int64_t LeadingDigitExponent(std::string_view t) {
  std::size_t i = t.front() == '+' || t.front() == '-' ? 1 : 0;
  std::int64_t integer_digits = 0;  // from the first non-zero one
  std::int64_t leading_zeros = 0;   // after the point, before the first non-zero digit
  bool non_zero = false;
  for (; i < t.size() && IsDigit(t[i]); ++i) {
    non_zero = non_zero || t[i] != '0';
    if (non_zero) ++integer_digits;
  }
  if (i < t.size() && t[i] == '.') {
    for (++i; i < t.size() && IsDigit(t[i]); ++i) {
      non_zero = non_zero || t[i] != '0';
      if (!non_zero) ++leading_zeros;
    }
  }
  std::int64_t exponent = 0;
  if (i < t.size()) {
    ++i;  // past the 'e' or 'E'
    const bool negative = t[i] == '-';
    if (t[i] == '+' || t[i] == '-') ++i;
    for (; i < t.size(); ++i) {
      exponent = std::min<std::int64_t>(exponent * 10 + (t[i] - '0'), 1000000);
    }
    if (negative) exponent = -exponent;
  }
  return integer_digits > 0 ? exponent + integer_digits - 1 : exponent - leading_zeros - 1;
}

}  // namespace

bool IsDecimalNumber(std::string_view text) {
  return IsDecimalSyntax(TrimBlanks(text));
}

bool IsBlank(std::string_view text) {
  return text.find_first_not_of(" \t") == std::string_view::npos;
}

std::string CountOf(std::int64_t count, std::string_view noun) {
  return Int64ToString(count) + " " + std::string(noun) + (count == 1 ? "" : "s");
}

std::vector<std::string> Split(std::string_view text, std::string_view delimiter) {
  std::vector<std::string> fields;
  if (delimiter.empty()) {
    fields.emplace_back(text);
    return fields;
  }
  std::size_t start = 0;
  while (true) {
    const std::size_t at = text.find(delimiter, start);
    if (at == std::string_view::npos) {
      fields.emplace_back(text.substr(start));
      return fields;
    }
    fields.emplace_back(text.substr(start, at - start));
    start = at + delimiter.size();
  }
}

std::optional<double> ParseNumber(std::string_view text) {
  std::string_view t = TrimBlanks(text);
  if (!IsDecimalSyntax(t)) return std::nullopt;
  const bool negative = t.front() == '-';
  if (t.front() == '+') t.remove_prefix(1);
  double value = 0.0;
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
  if (end != t.data() + t.size()) return std::nullopt;
  if (ec == std::errc::result_out_of_range && LeadingDigitExponent(t) < 0) {
    return negative ? -0.0 : 0.0;
  }
  if (ec != std::errc() || !std::isfinite(value)) return std::nullopt;
  return value;
}

double StringToDouble(std::string_view text) {
  return ParseNumber(text).value_or(0.0);
}

std::optional<std::int64_t> ParseInteger(std::string_view text) {
  std::string_view t = TrimBlanks(text);
  if (!t.empty() && t.front() == '+') {
    t.remove_prefix(1);
    if (!t.empty() && t.front() == '-') return std::nullopt;
  }
  if (t.empty()) return std::nullopt;
  std::int64_t value = 0;
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
  if (ec != std::errc() || end != t.data() + t.size()) return std::nullopt;
  return value;
}

std::int64_t StringToInteger(std::string_view text) {
  return ParseInteger(text).value_or(0);
}

std::string Int64ToString(std::int64_t value) {
  std::array<char, 24> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), result.ptr);
}

std::string Str(std::int64_t value) {
  return Int64ToString(value);
}

std::optional<std::string> NonFiniteText(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
  return std::nullopt;
}

std::string DoubleToString(double value) {
  if (auto text = NonFiniteText(value)) return *text;
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), result.ptr);
}

}  // namespace korvanta
