#include "toolkit/core/visible_text.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/case_names.h"

namespace korvanta {
namespace {

using testing::PrintTo;

using namespace std::string_literals;

struct ShownCase {
  const char* name;
  std::string text;
  std::string shown;  // at most 8 bytes of the text
};

class VisibleTexts : public ::testing::TestWithParam<ShownCase> {};

TEST_P(VisibleTexts, ShowEveryByteAndCutBetweenCharacters) {
  EXPECT_EQ(VisibleText(GetParam().text, 8), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VisibleTexts,
    ::testing::Values(
        ShownCase{"Ascii", "P1 x", "P1 x"}, ShownCase{"Empty", "", ""},
        ShownCase{"ExactlyTheLimit", "12345678", "12345678"},
        ShownCase{"CutAfterTheLimit", "123456789", "12345678..."},
        // "é" is two bytes: its first one would be the eighth.
        ShownCase{"CutBeforeACharacterThatWouldCross", "1234567\xC3\xA9", "1234567..."},
        ShownCase{"Utf8Kept", "\xC2\xB1\xE2\x82\xAC\xF0\x9F\x98\x80", "\xC2\xB1\xE2\x82\xAC..."},
        ShownCase{"ControlBytes", "\0\t\x1B\x7F"s, "\\x00\\x09\\x1B\\x7F"},
        ShownCase{"C1Control", "a\xC2\x85z", "a\\xC2\\x85z"},
        ShownCase{"LoneContinuationByte", "\x80z", "\\x80z"},
        ShownCase{"TruncatedSequence", "z\xC3", "z\\xC3"},
        ShownCase{"Overlong", "\xC0\xAF", "\\xC0\\xAF"},
        ShownCase{"Surrogate", "\xED\xA0\x80", "\\xED\\xA0\\x80"},
        ShownCase{"BeyondUnicode", "\xF4\x90\x80\x80", "\\xF4\\x90\\x80\\x80"},
        // Escapes count as the one byte each stands for.
        ShownCase{"EscapedBytesCountOnce", "\0\0\0\0\0\0\0\0\0"s,
                  "\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00..."},
        ShownCase{"Utf16AsBytes", "\xFF\xFEP\0"s, "\\xFF\\xFEP\\x00"}),
    testing::ByName());

}  // namespace
}  // namespace korvanta
