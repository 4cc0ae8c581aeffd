#include "toolkit/qt/design.h"

#include <limits>

#include "toolkit/core/exceptions.h"

namespace korvanta {
namespace {

template <typename T>
const char* KindName() {
  if constexpr (std::is_same_v<T, bool>) return "a flag";
  if constexpr (std::is_same_v<T, std::int64_t>) return "an integer";
  if constexpr (std::is_same_v<T, double>) return "a number";
  if constexpr (std::is_same_v<T, std::string>) return "a text";
  if constexpr (std::is_same_v<T, Color>) return "a colour";
}

const char* KindOf(const DesignValue& value) {
  return std::visit([](const auto& v) { return KindName<std::decay_t<decltype(v)>>(); }, value);
}

template <typename T>
std::optional<T> Read(const DesignList& list, std::string_view key) {
  const DesignValue* value = list.Find(key);
  if (value == nullptr) return std::nullopt;
  if (const T* typed = std::get_if<T>(value)) return *typed;
  throw RuntimeException("design key " + std::string(key) + " holds " + KindOf(*value) + ", not " +
                         KindName<T>());
}

}  // namespace

const DesignValue* DesignList::Find(std::string_view key) const {
  for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
    if (it->key == key) return &it->value;
  }
  return nullptr;
}

std::optional<bool> DesignList::Flag(std::string_view key) const {
  return Read<bool>(*this, key);
}

std::optional<std::int64_t> DesignList::Integer(std::string_view key) const {
  return Read<std::int64_t>(*this, key);
}

std::optional<int> DesignList::Int(std::string_view key) const {
  const auto value = Integer(key);
  if (!value) return std::nullopt;
  if (*value < std::numeric_limits<int>::min() || *value > std::numeric_limits<int>::max()) {
    throw RuntimeException("design key " + std::string(key) + " holds " + std::to_string(*value) +
                           ", beyond the range of a position or size");
  }
  return static_cast<int>(*value);
}

std::optional<double> DesignList::Number(std::string_view key) const {
  const DesignValue* value = Find(key);
  if (value != nullptr) {
    if (const auto* integer = std::get_if<std::int64_t>(value)) {
      return static_cast<double>(*integer);
    }
  }
  return Read<double>(*this, key);
}

std::optional<std::string> DesignList::Text(std::string_view key) const {
  return Read<std::string>(*this, key);
}

std::optional<Color> DesignList::ColorValue(std::string_view key) const {
  return Read<Color>(*this, key);
}

}  // namespace korvanta
