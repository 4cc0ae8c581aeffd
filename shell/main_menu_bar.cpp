#include "shell/main_menu_bar.h"

#include <cstddef>
#include <memory>
#include <string>

namespace korvanta {
namespace {

constexpr std::size_t kFileRows = 2;

}  // namespace

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
