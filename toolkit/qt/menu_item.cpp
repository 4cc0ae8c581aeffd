#include "toolkit/qt/menu_item.h"

#include "toolkit/core/arrays.h"
#include "toolkit/core/exceptions.h"
#include "toolkit/qt/application.h"

namespace korvanta {

MenuItem& MenuItem::AddMenu(std::unique_ptr<MenuItem> child) {
  if (!child) throw NilObjectException("no menu item to add to menu \"" + name_ + "\"");
  children_.push_back(std::move(child));
  return *children_.back();
}

MenuItem& MenuItem::Child(const std::string& name) const {
  for (const auto& child : children_) {
    if (child->Name() == name) return *child;
  }
  throw NilObjectException("menu \"" + name_ + "\" has no item named \"" + name + "\"");
}

MenuItem& MenuItem::Item(std::size_t index) const {
  if (index >= children_.size()) {
    ThrowOutOfBounds(static_cast<std::int64_t>(index),
                     static_cast<std::int64_t>(children_.size()) - 1);
  }
  return *children_[index];
}

void QuitMenuItem::Action() {
  if (Application* application = Application::Instance()) application->Quit(0);
}

}  // namespace korvanta
