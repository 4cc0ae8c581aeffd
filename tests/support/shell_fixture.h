#pragma once

#include "shell/main_menu_bar.h"
#include "shell/winMain.h"
#include "tests/support/gui_fixture.h"
#include "toolkit/qt/application.h"

namespace korvanta::testing {

// The main window as its design alone builds it: Open changes nothing.
class DesignOnlyMain : public winMain {
 protected:
  void Event_Open() override {}
};

// Window tests of the shell: the shared menu bar is attached, as start-up
// attaches it, so windows show it; every window goes at the end.
class ShellTest : public GuiTest {
 protected:
  ShellTest() { Application::Instance()->SetMenuBar(&MainMenuBar::Shared()); }
  void TearDown() override {
    GuiTest::TearDown();
    Application::Instance()->SetMenuBar(nullptr);
  }
};

}  // namespace korvanta::testing
