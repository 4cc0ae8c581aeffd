#include "toolkit/qt/implicit_instance.h"

#include <unordered_map>

namespace korvanta::detail {
namespace {

std::unordered_map<std::type_index, Window*>& Instances() {
  static std::unordered_map<std::type_index, Window*> instances;
  return instances;
}

}  // namespace

Window* FindInstance(std::type_index type) {
  const auto it = Instances().find(type);
  return it != Instances().end() ? it->second : nullptr;
}

void ForgetInstance(const Window* window) {
  std::erase_if(Instances(), [window](const auto& entry) { return entry.second == window; });
}

Window& OpenInstance(std::type_index type, std::unique_ptr<Window> window) {
  // Known before it is built, so that its own construction and Open handler
  // reach this same window.
  Instances()[type] = window.get();
  window->Construct();
  // From here the window belongs to its frame, which the toolkit keeps.
  return *window.release();
}

}  // namespace korvanta::detail
