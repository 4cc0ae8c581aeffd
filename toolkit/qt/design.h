#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace korvanta {

// A 32-bit colour value 0x00RRGGBB: black is 0, white 0x00FFFFFF, 255 blue.
struct Color {
  std::uint32_t value = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

using DesignValue = std::variant<bool, std::int64_t, double, std::string, Color>;

struct DesignEntry {
  std::string key;
  DesignValue value;
};

// A window's or a control's stored design: every key with its value, in the
// order written. Keys that have no effect here stay in the list as data, so a
// design reads back exactly as it was given. The order of the entries has no
// effect: the window and the controls apply them in an order of their own.
class DesignList {
 public:
  DesignList() = default;
  DesignList(std::initializer_list<DesignEntry> entries) : entries_(entries) {}
  explicit DesignList(std::vector<DesignEntry> entries) : entries_(std::move(entries)) {}

  const std::vector<DesignEntry>& Entries() const { return entries_; }
  bool Has(std::string_view key) const { return Find(key) != nullptr; }
  // The last entry with this key (a later entry overrides an earlier one).
  const DesignValue* Find(std::string_view key) const;

  // Typed reads. Each gives nothing when the key is absent and throws a
  // RuntimeException naming the key when it holds a value of another kind.
  std::optional<bool> Flag(std::string_view key) const;
  std::optional<std::int64_t> Integer(std::string_view key) const;
  // An integer that must fit an int (positions, sizes, codes).
  std::optional<int> Int(std::string_view key) const;
  // A number: a double, or an integer taken as one.
  std::optional<double> Number(std::string_view key) const;
  std::optional<std::string> Text(std::string_view key) const;
  std::optional<Color> ColorValue(std::string_view key) const;

 private:
  std::vector<DesignEntry> entries_;
};

}  // namespace korvanta
