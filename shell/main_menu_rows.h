#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

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

// The File menu, then the Edit menu: plain data, so that a program without
// the toolkit (the start-up yardstick in bench/startup) builds the same menus.
inline std::span<const MenuRow> MainMenuRows() {
  static constexpr std::array<MenuRow, 11> rows{{
      {"", false, "FileMenu", "&File", ""},
      {"FileMenu", true, "FileQuit", "E&xit", ""},
      {"", false, "EditMenu", "&Edit", ""},
      {"EditMenu", false, "EditUndo", "&Undo", "Ctrl+Z"},
      {"EditMenu", false, "EditSeparator1", "-", std::nullopt},
      {"EditMenu", false, "EditCut", "Cu&t", "Ctrl+X"},
      {"EditMenu", false, "EditCopy", "&Copy", "Ctrl+C"},
      {"EditMenu", false, "EditPaste", "&Paste", "Ctrl+V"},
      {"EditMenu", false, "EditClear", "&Delete", ""},
      {"EditMenu", false, "EditSeparator2", "-", std::nullopt},
      {"EditMenu", false, "EditSelectAll", "Select &All", "Ctrl+A"},
  }};
  return rows;
}

}  // namespace korvanta
