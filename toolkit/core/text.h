#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvanta {

// The platform line end. Korvanta runs on Linux, where it is LF.
inline constexpr std::string_view EndOfLine = "\n";

// Cuts text at every occurrence of the delimiter. Field f is the text between
// the f-th and the (f + 1)-th delimiter, empty fields included; an empty text
// gives one empty field. Nothing is trimmed.
std::vector<std::string> Split(std::string_view text, std::string_view delimiter);

// Whether the text holds nothing but blanks (spaces, tabs), or nothing.
bool IsBlank(std::string_view text);

// "1 point", "3 points": a count with its noun, the plural by an "s".
std::string CountOf(std::int64_t count, std::string_view noun);

// A decimal number with optional blanks (spaces, tabs) around it: an optional
// sign, digits with an optional decimal point (".5" and "5." included) and an
// optional exponent. Infinity, NaN, hexadecimal and grouping separators are
// not numbers, nor is a value too large for a double ("1e400"); a value too
// small for one ("1e-400") reads as its nearest double, 0 with its sign. The
// one definition of what a number field holds: the readers check fields with
// it and ToDouble converts with it.
std::optional<double> ParseNumber(std::string_view text);

// Whether the text has the form of a decimal number, whatever its size: with
// ParseNumber, tells a number too large for a double from text that is none.
bool IsDecimalNumber(std::string_view text);

// String.ToDouble: ParseNumber, and 0.0 for text that is not a number.
double StringToDouble(std::string_view text);

// A decimal integer with optional blanks around it and an optional sign, in the
// range of a 64-bit integer.
std::optional<std::int64_t> ParseInteger(std::string_view text);

// String.ToInteger: ParseInteger, and 0 for empty text or text that is not an
// integer.
std::int64_t StringToInteger(std::string_view text);

// Int64.ToString: decimal digits, "-" before a negative value.
std::string Int64ToString(std::int64_t value);

// Str with an empty pattern: the same plain decimal digits.
std::string Str(std::int64_t value);

// Double.ToString: the shortest text that reads back as the same double, with
// no locale ("0.1", "2", "1e-14", "-0"). Infinities and NaN become "Infinity",
// "-Infinity" and "NaN", texts a user reads at once and ParseNumber refuses.
std::string DoubleToString(double value);

// The texts of the three non-finite values, shared by DoubleToString and Format.
std::optional<std::string> NonFiniteText(double value);

}  // namespace korvanta
