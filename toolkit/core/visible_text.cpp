#include "toolkit/core/visible_text.h"

#include <cstdint>

namespace korvanta {
namespace {

// The length of the valid UTF-8 sequence at the start of the text, or 0 when
// its first byte does not begin one (overlong forms and surrogates included).
std::size_t Utf8SequenceLength(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  const std::uint8_t lead = byte(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  std::uint8_t low = 0x80;  // the range of the second byte
  std::uint8_t high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return length;
}

bool IsControl(std::string_view character) {
  const auto lead = static_cast<std::uint8_t>(character[0]);
  if (character.size() == 1) return lead < 0x20 || lead == 0x7F;
  // U+0080 to U+009F: C2 80 to C2 9F.
  return character.size() == 2 && lead == 0xC2 && static_cast<std::uint8_t>(character[1]) < 0xA0;
}

void AppendEscaped(std::string& out, std::string_view bytes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (const char c : bytes) {
    const auto b = static_cast<std::uint8_t>(c);
    out += "\\x";
    out += kHex[b >> 4];
    out += kHex[b & 0x0F];
  }
}

}  // namespace

std::string VisibleText(std::string_view text, std::size_t max_bytes) {
  std::string shown;
  std::size_t used = 0;
  while (used < text.size()) {
    const std::string_view rest = text.substr(used);
    const std::size_t valid = Utf8SequenceLength(rest);
    const std::string_view character = rest.substr(0, valid == 0 ? 1 : valid);
    if (used + character.size() > max_bytes) return shown + "...";
    if (valid == 0 || IsControl(character)) {
      AppendEscaped(shown, character);
    } else {
      shown += character;
    }
    used += character.size();
  }
  return shown;
}

}  // namespace korvanta
