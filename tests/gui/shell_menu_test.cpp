#include <gtest/gtest.h>

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <optional>
#include <string>
#include <string_view>

#include "shell/main_menu_bar.h"
#include "shell/winMain.h"
#include "tests/support/shell_fixture.h"
#include "toolkit/qt/application.h"
#include "toolkit/qt/implicit_instance.h"

namespace korvanta::testing {
namespace {

struct ExpectedItem {
  std::string_view name;
  std::string_view text;
  std::string_view shortcut;
  bool separator;
};

const ExpectedItem kEditItems[] = {
    {"EditUndo", "&Undo", "Ctrl+Z", false},   {"EditSeparator1", "-", "", true},
    {"EditCut", "Cu&t", "Ctrl+X", false},     {"EditCopy", "&Copy", "Ctrl+C", false},
    {"EditPaste", "&Paste", "Ctrl+V", false}, {"EditClear", "&Delete", "", false},
    {"EditSeparator2", "-", "", true},        {"EditSelectAll", "Select &All", "Ctrl+A", false},
};

TEST(MainMenuBarTest, TheSharedBarIsBuiltOnceWithFileThenEdit) {
  MainMenuBar& bar = MainMenuBar::Shared();
  EXPECT_EQ(&MainMenuBar::Shared(), &bar);
  // Built once: a second build would have doubled the menus.
  ASSERT_EQ(bar.Count(), 2u);
  EXPECT_EQ(bar.Item(0).Name(), "FileMenu");
  EXPECT_EQ(bar.Item(0).Text(), "&File");
  EXPECT_EQ(bar.Item(1).Name(), "EditMenu");
  EXPECT_EQ(bar.Item(1).Text(), "&Edit");

  const MenuItem& file = bar.Child("FileMenu");
  ASSERT_EQ(file.Count(), 1u);
  EXPECT_EQ(file.Item(0).Name(), "FileQuit");
  EXPECT_EQ(file.Item(0).Text(), "E&xit");
  EXPECT_NE(dynamic_cast<const QuitMenuItem*>(&file.Item(0)), nullptr);

  const MenuItem& edit = bar.Child("EditMenu");
  ASSERT_EQ(edit.Count(), std::size(kEditItems));
  for (std::size_t i = 0; i < edit.Count(); ++i) {
    const MenuItem& item = edit.Item(i);
    SCOPED_TRACE(item.Name());
    EXPECT_EQ(item.Name(), kEditItems[i].name);
    EXPECT_EQ(item.Text(), kEditItems[i].text);
    EXPECT_EQ(item.Shortcut(), kEditItems[i].shortcut);
    EXPECT_EQ(item.IsSeparator(), kEditItems[i].separator);
    EXPECT_EQ(dynamic_cast<const QuitMenuItem*>(&item), nullptr);
  }
}

TEST(MainMenuBarTest, EveryItemIsAutoEnabledAndVisible) {
  const MainMenuBar& bar = MainMenuBar::Shared();
  for (std::size_t m = 0; m < bar.Count(); ++m) {
    const MenuItem& menu = bar.Item(m);
    EXPECT_TRUE(menu.AutoEnabled());
    EXPECT_TRUE(menu.Visible());
    for (std::size_t i = 0; i < menu.Count(); ++i) {
      EXPECT_TRUE(menu.Item(i).AutoEnabled()) << menu.Item(i).Name();
      EXPECT_TRUE(menu.Item(i).Visible()) << menu.Item(i).Name();
    }
  }
}

// An empty shortcut is given explicitly; the separators are given none.
TEST(MainMenuBarTest, SeparatorsHaveNoShortcutAndTheOtherEmptyOnesAreSetEmpty) {
  for (const MenuRow& row : MainMenuRows()) {
    SCOPED_TRACE(std::string(row.name));
    if (row.text == "-") {
      EXPECT_FALSE(row.shortcut.has_value());
    } else {
      ASSERT_TRUE(row.shortcut.has_value());
    }
  }
  for (const std::string_view name : {"FileMenu", "FileQuit", "EditMenu", "EditClear"}) {
    bool found = false;
    for (const MenuRow& row : MainMenuRows()) {
      if (row.name != name) continue;
      found = true;
      EXPECT_EQ(row.shortcut, std::optional<std::string_view>("")) << name;
    }
    EXPECT_TRUE(found) << name;
  }
}

class MainMenuViewTest : public ShellTest {};

TEST_F(MainMenuViewTest, TheMainWindowShowsTheBarWithItsShortcuts) {
  const winMain& window = ImplicitInstance<winMain>();
  ASSERT_NE(window.MenuBarWidget(), nullptr);
  const QList<QAction*> menus = window.MenuBarWidget()->actions();
  ASSERT_EQ(menus.size(), 2);
  EXPECT_EQ(menus[0]->menu()->title(), "&File");
  EXPECT_EQ(menus[1]->menu()->title(), "&Edit");
  ASSERT_EQ(menus[0]->menu()->actions().size(), 1);
  EXPECT_EQ(menus[0]->menu()->actions()[0]->text(), "E&xit");

  const QList<QAction*> edit = menus[1]->menu()->actions();
  ASSERT_EQ(edit.size(), static_cast<qsizetype>(std::size(kEditItems)));
  for (qsizetype i = 0; i < edit.size(); ++i) {
    const ExpectedItem& expected = kEditItems[i];
    SCOPED_TRACE(std::string(expected.name));
    EXPECT_EQ(edit[i]->isSeparator(), expected.separator);
    if (expected.separator) continue;
    EXPECT_EQ(edit[i]->text().toStdString(), expected.text);
    EXPECT_EQ(edit[i]->shortcut(),
              QKeySequence(QString::fromUtf8(expected.shortcut.data(),
                                             static_cast<qsizetype>(expected.shortcut.size()))));
  }
}

TEST_F(MainMenuViewTest, FileExitQuitsWithStatusZero) {
  const winMain& window = ImplicitInstance<winMain>();
  QAction* exit = window.MenuBarWidget()->actions()[0]->menu()->actions()[0];
  exit->trigger();
  // Outside the event loop the quit takes effect on the next Run.
  EXPECT_EQ(Application::Instance()->Run(), 0);
  EXPECT_TRUE(messages.texts.empty());
}

}  // namespace
}  // namespace korvanta::testing
