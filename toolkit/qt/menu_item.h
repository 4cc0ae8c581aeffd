#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace korvanta {

// One item of a menu model: a menu (an item with children) or a command.
// A Text of "-" makes a separator; "&" in a Text marks the mnemonic letter.
// The model is only data: each window that shows the application's menu bar
// builds its own Qt menus from it, so the model must stay unchanged and alive
// while windows show it (the program builds it once, at start-up).
class MenuItem {
 public:
  MenuItem() = default;
  virtual ~MenuItem() = default;
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  const std::string& Text() const { return text_; }
  void SetText(std::string text) { text_ = std::move(text); }
  // Key text such as "Ctrl+Z"; empty for none.
  const std::string& Shortcut() const { return shortcut_; }
  void SetShortcut(std::string shortcut) { shortcut_ = std::move(shortcut); }
  // An AutoEnabled item gets its enabled state from the toolkit each time its
  // menu opens.
  bool AutoEnabled() const { return auto_enabled_; }
  void SetAutoEnabled(bool on) { auto_enabled_ = on; }
  bool Visible() const { return visible_; }
  void SetVisible(bool on) { visible_ = on; }
  bool IsSeparator() const { return text_ == "-"; }

  // Appends a child at the end and gives it.
  MenuItem& AddMenu(std::unique_ptr<MenuItem> child);
  // The first child with this Name; throws NilObjectException when none has it.
  MenuItem& Child(const std::string& name) const;
  std::size_t Count() const { return children_.size(); }
  // Child number index, counted from 0; throws OutOfBoundsException.
  MenuItem& Item(std::size_t index) const;

  // What choosing the item does beyond the toolkit's standard commands: by
  // default nothing.
  virtual void Action() {}

 private:
  std::string name_;
  std::string text_;
  std::string shortcut_;
  bool auto_enabled_ = true;
  bool visible_ = true;
  std::vector<std::unique_ptr<MenuItem>> children_;
};

// The toolkit's quit item: choosing it ends the application with status 0.
class QuitMenuItem : public MenuItem {
 public:
  void Action() override;
};

// A menu bar: a menu item whose children are the menus.
class MenuBar : public MenuItem {};

}  // namespace korvanta
