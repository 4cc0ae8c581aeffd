#include "shell/main_menu_bar.h"

#include <array>
#include <memory>
#include <string>

namespace korvanta {
namespace {

constexpr std::size_t kFileRows = 2;

constexpr std::array<MenuRow, 11> kRows{{
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

}  // namespace

std::span<const MenuRow> MainMenuRows() {
  return kRows;
}

MainMenuBar::MainMenuBar() {
  Untitled0();
  Untitled1();
}

MainMenuBar& MainMenuBar::Shared() {
  static MainMenuBar bar;
  return bar;
}

void MainMenuBar::Untitled0() {
  for (const MenuRow& row : MainMenuRows().first(kFileRows)) Append(row);
}

void MainMenuBar::Untitled1() {
  for (const MenuRow& row : MainMenuRows().subspan(kFileRows)) Append(row);
}

void MainMenuBar::Append(const MenuRow& row) {
  std::unique_ptr<MenuItem> item =
      row.quits ? std::make_unique<QuitMenuItem>() : std::make_unique<MenuItem>();
  item->SetName(std::string(row.name));
  item->SetAutoEnabled(true);
  item->SetText(std::string(row.text));
  item->SetVisible(true);
  if (row.shortcut) item->SetShortcut(std::string(*row.shortcut));
  if (row.menu.empty()) {
    AddMenu(std::move(item));
  } else {
    // The menu is found afresh on the bar for every item.
    Child(std::string(row.menu)).AddMenu(std::move(item));
  }
}

}  // namespace korvanta
