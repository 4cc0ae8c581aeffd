#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPoint>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/gui_fixture.h"
#include "toolkit/core/exceptions.h"
#include "toolkit/qt/application.h"
#include "toolkit/qt/edit_commands.h"
#include "toolkit/qt/implicit_instance.h"
#include "toolkit/qt/menu_item.h"
#include "toolkit/qt/text_area.h"
#include "toolkit/qt/text_field.h"
#include "toolkit/qt/window.h"

namespace korvanta::testing {
namespace {

template <class Item = MenuItem>
std::unique_ptr<MenuItem> NewItem(const std::string& name, const std::string& text,
                                  const std::string& shortcut = "") {
  auto item = std::make_unique<Item>();
  item->SetName(name);
  item->SetText(text);
  item->SetShortcut(shortcut);
  return item;
}

class FailingItem : public MenuItem {
 public:
  void Action() override { throw std::runtime_error("menu command failed"); }
};

// The application's menus, built through AddMenu and Child.
void Build(MenuBar& bar) {
  bar.AddMenu(NewItem("FileMenu", "&File"));
  bar.Child("FileMenu").AddMenu(NewItem<FailingItem>("FileFail", "&Fail"));
  bar.Child("FileMenu").AddMenu(NewItem<QuitMenuItem>("FileQuit", "E&xit"));
  bar.AddMenu(NewItem("EditMenu", "&Edit"));
  MenuItem& edit = bar.Child("EditMenu");
  edit.AddMenu(NewItem("EditUndo", "&Undo", "Ctrl+Z"));
  edit.AddMenu(NewItem("EditSeparator1", "-"));
  edit.AddMenu(NewItem("EditCut", "Cu&t", "Ctrl+X"));
  edit.AddMenu(NewItem("EditCopy", "&Copy", "Ctrl+C"));
  edit.AddMenu(NewItem("EditPaste", "&Paste", "Ctrl+V"));
  edit.AddMenu(NewItem("EditClear", "&Delete"));
  edit.AddMenu(NewItem("EditHidden", "&Hidden")).SetVisible(false);
}

class MenuWindow : public Window {
 public:
  TextField& txtEdit() const { return ControlAs<TextField>("txtEdit"); }
  TextArea& txtArea() const { return ControlAs<TextArea>("txtArea"); }

 protected:
  void Layout() override {
    SetProperties({{"Width", 300}, {"Height", 200}, {"MenuBarVisible", true}, {"Visible", true}});
  }
  void CreateControls() override {
    CreateControl<TextField>("txtEdit", {{"Name", "txtEdit"}, {"Width", 200}, {"Height", 22}});
    CreateControl<TextArea>("txtArea",
                            {{"Name", "txtArea"}, {"Top", 40}, {"Width", 200}, {"Height", 100}});
  }
};

class PlainWindow : public Window {
 protected:
  void Layout() override { SetProperties({{"Width", 300}, {"Height", 200}}); }
};

class OtherMenuWindow : public MenuWindow {};

class MenuTest : public GuiTest {
 protected:
  MenuTest() {
    Build(bar);
    Application::Instance()->SetMenuBar(&bar);
  }
  void TearDown() override {
    GuiTest::TearDown();
    Application::Instance()->SetMenuBar(nullptr);
  }

  static QMenu* MenuOf(const Window& window, int index) {
    return window.MenuBarWidget()->actions().at(index)->menu();
  }
  static QAction* ActionOf(const Window& window, int menu, int item) {
    return MenuOf(window, menu)->actions().at(item);
  }

  MenuBar bar;
};

TEST_F(MenuTest, TheModelFindsItsChildrenByName) {
  EXPECT_EQ(bar.Count(), 2u);
  EXPECT_EQ(bar.Child("EditMenu").Count(), 7u);
  EXPECT_EQ(bar.Child("EditMenu").Item(1).Name(), "EditSeparator1");
  EXPECT_TRUE(bar.Child("EditMenu").Item(1).IsSeparator());
  EXPECT_THROW(bar.Child("ViewMenu"), NilObjectException);
  EXPECT_THROW(bar.Item(2), OutOfBoundsException);
}

TEST_F(MenuTest, AWindowWithMenuBarVisibleShowsItsOwnBarFromTheOneModel) {
  MenuWindow& window = ImplicitInstance<MenuWindow>();
  ASSERT_NE(window.MenuBarWidget(), nullptr);
  ASSERT_EQ(window.MenuBarWidget()->actions().size(), 2);
  EXPECT_EQ(MenuOf(window, 0)->title(), "&File");
  EXPECT_EQ(MenuOf(window, 1)->title(), "&Edit");
  const QList<QAction*> edit = MenuOf(window, 1)->actions();
  ASSERT_EQ(edit.size(), 7);
  EXPECT_FALSE(edit[0]->isSeparator());
  EXPECT_TRUE(edit[1]->isSeparator());
  EXPECT_EQ(edit[0]->text(), "&Undo");
  EXPECT_EQ(edit[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
  EXPECT_TRUE(edit[5]->shortcut().isEmpty());
  EXPECT_FALSE(edit[6]->isVisible());

  // The bar sits above the content area, which keeps the design size.
  const int bar_height = window.MenuBarWidget()->height();
  EXPECT_GT(bar_height, 0);
  EXPECT_EQ(window.Height(), 200);
  EXPECT_EQ(window.Widget()->height(), 200 + bar_height);
  EXPECT_EQ(window.ContentArea()->geometry(), QRect(0, bar_height, 300, 200));

  OtherMenuWindow& other = ImplicitInstance<OtherMenuWindow>();
  EXPECT_NE(other.MenuBarWidget(), window.MenuBarWidget());
  EXPECT_EQ(ImplicitInstance<PlainWindow>().MenuBarWidget(), nullptr);
}

TEST_F(MenuTest, AFailingMenuCommandIsReported) {
  MenuWindow& window = ImplicitInstance<MenuWindow>();
  ActionOf(window, 0, 0)->trigger();
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_NE(messages.texts[0].find("menu command failed"), std::string::npos);
}

TEST_F(MenuTest, TheQuitItemEndsTheEventLoopWithStatusZero) {
  MenuWindow& window = ImplicitInstance<MenuWindow>();
  QAction* quit = ActionOf(window, 0, 1);
  QTimer::singleShot(0, quit, &QAction::trigger);
  QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });  // never hang
  EXPECT_EQ(Application::Instance()->Run(), 0);
}

TEST_F(MenuTest, EditItemsAreEnabledAsTheirMenuOpensForTheFocusedField) {
  MenuWindow& window = ImplicitInstance<MenuWindow>();
  window.Widget()->activateWindow();
  QApplication::setActiveWindow(window.Widget());
  auto* edit = static_cast<QLineEdit*>(window.txtEdit().Widget());
  edit->setFocus();
  QCoreApplication::processEvents();
  ASSERT_EQ(QApplication::focusWidget(), edit);
  window.txtEdit().SetText("abc");
  QGuiApplication::clipboard()->clear();

  QMenu* menu = MenuOf(window, 1);
  const auto states = [&] {
    emit menu->aboutToShow();
    std::vector<bool> enabled;
    for (QAction* action : menu->actions()) {
      if (!action->isSeparator()) enabled.push_back(action->isEnabled());
    }
    return enabled;  // Undo, Cut, Copy, Paste, Delete, Hidden (never enabled)
  };
  EXPECT_EQ(states(), (std::vector<bool>{false, false, false, false, false, false}));
  edit->setSelection(0, 2);
  EXPECT_EQ(states(), (std::vector<bool>{false, true, true, false, true, false}));

  ActionOf(window, 1, 3)->trigger();  // Copy
  edit->setCursorPosition(3);
  EXPECT_EQ(states(), (std::vector<bool>{false, false, false, true, false, false}));
  ActionOf(window, 1, 4)->trigger();  // Paste
  EXPECT_EQ(window.txtEdit().Text(), "abcab");
  EXPECT_EQ(states()[0], true);
  ActionOf(window, 1, 0)->trigger();  // Undo
  EXPECT_EQ(window.txtEdit().Text(), "abc");
}

// Escape in a menu opened from the bar closes it but leaves the bar active
// for the keyboard, holding the focus itself; a menu opened from there still
// acts on the control that had the focus. A text area keeps its selection
// meanwhile (a text field drops its own as the bar takes the focus).
TEST_F(MenuTest, EditItemsFollowTheFocusedAreaAfterEscapeLeavesTheBarActive) {
  MenuWindow& window = ImplicitInstance<MenuWindow>();
  window.Widget()->activateWindow();
  QApplication::setActiveWindow(window.Widget());
  auto* area = static_cast<QTextEdit*>(window.txtArea().Widget());
  area->setFocus();
  QCoreApplication::processEvents();
  ASSERT_EQ(QApplication::focusWidget(), area);
  window.txtArea().SetText("abc");
  QTextCursor cursor = area->textCursor();
  cursor.setPosition(0);
  cursor.setPosition(2, QTextCursor::KeepAnchor);
  area->setTextCursor(cursor);
  QGuiApplication::clipboard()->clear();

  QMenuBar* widget = window.MenuBarWidget();
  const auto click = [](QWidget* target, QPoint at) {
    QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, target->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &release);
  };
  const auto open = [&](int index) {
    click(widget, widget->actionGeometry(widget->actions().at(index)).center());
  };
  const auto escape = [] {
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(QApplication::activePopupWidget(), &key);
  };
  const auto states = [&] {
    std::vector<bool> enabled;
    for (QAction* action : MenuOf(window, 1)->actions()) {
      if (!action->isSeparator()) enabled.push_back(action->isEnabled());
    }
    return enabled;  // Undo, Cut, Copy, Paste, Delete, Hidden (never enabled)
  };

  open(0);
  ASSERT_EQ(QApplication::activePopupWidget(), MenuOf(window, 0));
  escape();
  ASSERT_EQ(QApplication::activePopupWidget(), nullptr);
  ASSERT_EQ(QApplication::focusWidget(), widget);
  open(1);
  ASSERT_EQ(QApplication::activePopupWidget(), MenuOf(window, 1));
  EXPECT_EQ(states(), (std::vector<bool>{false, true, true, false, true, false}));

  QMenu* menu = MenuOf(window, 1);
  click(menu, menu->actionGeometry(ActionOf(window, 1, 3)).center());  // Copy
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "ab");
  EXPECT_EQ(QApplication::focusWidget(), area);
}

TEST(EditCommandTest, ActsOnTextAreasAndRefusesOtherWidgets) {
  QPlainTextEdit area;
  area.setPlainText("one two");
  area.selectAll();
  EXPECT_TRUE(CanRunEditCommand(EditCommand::kClear, &area));
  RunEditCommand(EditCommand::kClear, &area);
  EXPECT_EQ(area.toPlainText(), "");
  area.setReadOnly(true);
  area.setPlainText("kept");
  area.selectAll();
  EXPECT_FALSE(CanRunEditCommand(EditCommand::kCut, &area));
  EXPECT_TRUE(CanRunEditCommand(EditCommand::kCopy, &area));

  QWidget plain;
  EXPECT_FALSE(CanRunEditCommand(EditCommand::kSelectAll, &plain));
  EXPECT_FALSE(CanRunEditCommand(EditCommand::kSelectAll, nullptr));
  EXPECT_EQ(EditCommandNamed("EditSelectAll"), EditCommand::kSelectAll);
  EXPECT_EQ(EditCommandNamed("FileQuit"), std::nullopt);
}

}  // namespace
}  // namespace korvanta::testing
