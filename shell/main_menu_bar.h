#pragma once

#include "shell/main_menu_rows.h"
#include "toolkit/qt/menu_item.h"

namespace korvanta {

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
