#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "toolkit/qt/menu_item.h"

namespace korvanta {

// One item of the application's menus, in the order they are made.
struct MenuRow {
  std::string_view menu;  // the menu it is appended to; "" for the bar itself
  bool quits;             // the toolkit's quit item rather than a plain item
  std::string_view name;
  std::string_view text;
  // Separators are never given a shortcut; "" is an explicitly empty one.
  std::optional<std::string_view> shortcut;
};

// The File menu, then the Edit menu.
std::span<const MenuRow> MainMenuRows();

// The application's one menu bar: File with "E&xit", and Edit with the
// toolkit's standard editing commands. No item has behaviour of Korvanta's
// own: "E&xit" is the toolkit's quit item and the Edit items act on the
// focused text control.
class MainMenuBar : public MenuBar {
 public:
  // Builds the File menu, then the Edit menu.
  MainMenuBar();

  // The shared bar, built on first use and kept for the whole run: windows
  // show it, so it outlives every window.
  static MainMenuBar& Shared();

 private:
  void Untitled0();
  void Untitled1();
  void Append(const MenuRow& row);
};

}  // namespace korvanta
