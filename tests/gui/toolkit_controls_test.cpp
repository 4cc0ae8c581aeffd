#include <gtest/gtest.h>

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/gui_fixture.h"
#include "toolkit/qt/edit_commands.h"
#include "toolkit/qt/group_box.h"
#include "toolkit/qt/implicit_instance.h"
#include "toolkit/qt/label.h"
#include "toolkit/qt/push_button.h"
#include "toolkit/qt/radio_button.h"
#include "toolkit/qt/text_area.h"
#include "toolkit/qt/text_field.h"
#include "toolkit/qt/window.h"

namespace korvanta::testing {
namespace {

DesignList Place(const std::string& name, int left, int top, const std::string& parent = "") {
  return {{"Name", name}, {"Left", left}, {"Top", top},
          {"Width", 120}, {"Height", 22}, {"InitialParent", parent}};
}

// Controls of every kind; each handler logs what it saw.
class ControlsWindow : public Window {
 public:
  std::vector<std::string> log;

  TextField& txtName() const { return ControlAs<TextField>("txtName"); }
  GroupBox& grpModels() const { return ControlAs<GroupBox>("grpModels"); }
  RadioButton& radOne() const { return ControlAs<RadioButton>("radOne"); }
  RadioButton& radTwo() const { return ControlAs<RadioButton>("radTwo"); }
  RadioButton& radOutside() const { return ControlAs<RadioButton>("radOutside"); }
  PushButton& btnInside() const { return ControlAs<PushButton>("btnInside"); }
  PushButton& btnOffInside() const { return ControlAs<PushButton>("btnOffInside"); }
  TextArea& txtArea() const { return ControlAs<TextArea>("txtArea"); }
  Label& lblNote() const { return ControlAs<Label>("lblNote"); }

 protected:
  void Layout() override { SetProperties({{"Width", 400}, {"Height", 300}, {"Visible", true}}); }
  void CreateControls() override {
    CreateControl<TextField>("txtName", Place("txtName", 10, 10));
    txtName().SetTextChangeHandler(
        [this](TextField& field) { log.push_back("TextChange " + field.Text()); });
    CreateControl<GroupBox>("grpModels", {{"Name", "grpModels"},
                                          {"Left", 10},
                                          {"Top", 40},
                                          {"Width", 200},
                                          {"Height", 150},
                                          {"Caption", "Models"}});
    for (const char* name : {"radOne", "radTwo"}) {
      CreateControl<RadioButton>(
          name, Place(name, 20, name == std::string("radOne") ? 60 : 85, "grpModels"));
      ControlAs<RadioButton>(name).SetActionHandler(
          [this](RadioButton& radio) { log.push_back("Action " + radio.Name()); });
    }
    CreateControl<PushButton>("btnInside", Place("btnInside", 20, 110, "grpModels"));
    CreateControl<PushButton>("btnOffInside", Place("btnOffInside", 20, 140, "grpModels"))
        .SetEnabled(false);
    for (const char* name : {"btnInside", "btnOffInside"}) {
      ControlAs<PushButton>(name).SetActionHandler(
          [this](PushButton& button) { log.push_back("Action " + button.Name()); });
    }
    CreateControl<RadioButton>("radOutside", Place("radOutside", 220, 60));
    CreateControl<TextArea>(
        "txtArea",
        {{"Name", "txtArea"}, {"Left", 220}, {"Top", 100}, {"Width", 170}, {"Height", 100}});
    CreateControl<Label>("lblNote", {{"Name", "lblNote"},
                                     {"Left", 10},
                                     {"Top", 200},
                                     {"Width", 100},
                                     {"Height", 20},
                                     {"Text", "Note"},
                                     {"TextColor", Color{255}}});
  }
};

class ControlsTest : public GuiTest {
 protected:
  ControlsWindow& window = ImplicitInstance<ControlsWindow>();
};

TEST_F(ControlsTest, SettingTextRaisesTextChangeInsideTheAssignment) {
  window.txtName().SetText("control.csv");
  window.log.push_back("assignment returned");
  window.txtName().SetText("control.csv");  // the same text: nothing changes
  window.txtName().SetText("");
  EXPECT_EQ(window.log, (std::vector<std::string>{"TextChange control.csv", "assignment returned",
                                                  "TextChange "}));
}

TEST_F(ControlsTest, TypingRaisesTextChange) {
  auto* edit = static_cast<QLineEdit*>(window.txtName().Widget());
  QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
  QCoreApplication::sendEvent(edit, &key);
  EXPECT_EQ(window.log, std::vector<std::string>{"TextChange a"});
}

TEST_F(ControlsTest, AnErrorInTextChangeComesOutOfTheAssignment) {
  window.txtName().SetTextChangeHandler(
      [](TextField&) { throw std::runtime_error("handler failed"); });
  EXPECT_THROW(window.txtName().SetText("x"), std::runtime_error);
  EXPECT_EQ(window.txtName().Text(), "x");
  EXPECT_TRUE(messages.texts.empty());
}

TEST_F(ControlsTest, ADisabledGroupBoxLocksItsControlsUntilItIsEnabled) {
  window.grpModels().SetEnabled(false);
  window.btnInside().Press();
  window.radOne().Press();
  EXPECT_TRUE(window.log.empty());
  EXPECT_TRUE(window.btnInside().Enabled());  // its own state is untouched
  EXPECT_FALSE(window.btnInside().Widget()->isEnabled());
  EXPECT_FALSE(window.radOne().Value());

  window.grpModels().SetEnabled(true);
  window.btnInside().Press();
  window.btnOffInside().Press();  // disabled itself: stays so
  EXPECT_EQ(window.log, std::vector<std::string>{"Action btnInside"});
  EXPECT_FALSE(window.btnOffInside().Widget()->isEnabled());
}

TEST_F(ControlsTest, RadioButtonsOfOneParentExcludeEachOther) {
  window.radOutside().SetValue(true);
  window.radOne().Press();
  EXPECT_TRUE(window.radOne().Value());
  window.radTwo().Press();
  EXPECT_FALSE(window.radOne().Value());
  EXPECT_TRUE(window.radTwo().Value());
  EXPECT_TRUE(window.radOutside().Value());  // another parent, another group
  EXPECT_EQ(window.log, (std::vector<std::string>{"Action radOne", "Action radTwo"}));
}

TEST_F(ControlsTest, ValueFromCodeRaisesNoActionAndCanClearEveryButton) {
  window.radOne().SetValue(true);
  window.radTwo().SetValue(true);
  EXPECT_FALSE(window.radOne().Value());
  window.radTwo().SetValue(false);
  EXPECT_FALSE(window.radOne().Value());
  EXPECT_FALSE(window.radTwo().Value());
  EXPECT_TRUE(window.log.empty());
  window.radOne().Press();  // the exclusion still holds afterwards
  window.radTwo().Press();
  EXPECT_FALSE(window.radOne().Value());
}

TEST_F(ControlsTest, AddTextAppendsAfterEverythingTheAreaHolds) {
  TextArea& area = window.txtArea();
  area.SetText("first\n");
  auto* edit = static_cast<QTextEdit*>(area.Widget());
  QTextCursor cursor = edit->textCursor();
  cursor.movePosition(QTextCursor::End);
  cursor.insertText("typed ");
  edit->setTextCursor(cursor);
  area.AddText("second\n");
  area.AddText("third\n");
  EXPECT_EQ(area.Text(), "first\ntyped second\nthird\n");
  area.SetText("");
  EXPECT_EQ(area.Text(), "");
}

// What code puts in is no edit of the user's: Undo never takes a report
// line away, while the user's own typing can be undone until code adds more.
TEST_F(ControlsTest, OnlyTheUsersOwnEditsCanBeUndone) {
  TextArea& area = window.txtArea();
  auto* edit = static_cast<QTextEdit*>(area.Widget());
  area.SetText("first\n");
  area.AddText("second\n");
  EXPECT_FALSE(CanRunEditCommand(EditCommand::kUndo, edit));
  QTextCursor cursor = edit->textCursor();
  cursor.movePosition(QTextCursor::End);
  edit->setTextCursor(cursor);
  QKeyEvent key(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
  QCoreApplication::sendEvent(edit, &key);
  ASSERT_EQ(area.Text(), "first\nsecond\nx");
  RunEditCommand(EditCommand::kUndo, edit);
  EXPECT_EQ(area.Text(), "first\nsecond\n");
  area.AddText("third\n");
  RunEditCommand(EditCommand::kUndo, edit);
  EXPECT_EQ(area.Text(), "first\nsecond\nthird\n");
}

// Every paragraph hangs, however it came in: set, added or pasted.
// The format shapes the layout alone: the text is what was put in, and
// setting a whole text leaves nothing to undo.
TEST_F(ControlsTest, EveryParagraphOfAnAreaHangsAndTheTextStaysAsPutIn) {
  TextArea& area = window.txtArea();
  auto* edit = static_cast<QTextEdit*>(area.Widget());
  area.SetText("first\n");
  EXPECT_FALSE(edit->document()->isUndoAvailable());
  area.AddText("second\nthird");
  QTextCursor end = edit->textCursor();
  end.movePosition(QTextCursor::End);
  edit->setTextCursor(end);
  QGuiApplication::clipboard()->setText("\npasted\nlines");
  edit->paste();
  QGuiApplication::clipboard()->clear();
  EXPECT_EQ(area.Text(), "first\nsecond\nthird\npasted\nlines");
  ASSERT_EQ(edit->document()->blockCount(), 5);
  for (QTextBlock block = edit->document()->begin(); block.isValid(); block = block.next()) {
    const QTextBlockFormat format = block.blockFormat();
    EXPECT_GT(format.leftMargin(), 0.0) << block.text().toStdString();
    EXPECT_EQ(format.textIndent(), -format.leftMargin()) << block.text().toStdString();
  }
}

TEST_F(ControlsTest, TextColourValuesAreRedGreenBlueSo255IsBlue) {
  EXPECT_EQ(window.lblNote().Widget()->palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

// Return presses the default button, Escape the cancel button.
class KeysWindow : public Window {
 public:
  std::vector<std::string> log;

 protected:
  void Layout() override { SetProperties({{"Visible", true}}); }
  void CreateControls() override {
    for (const char* name : {"btnOK", "btnCancel", "btnOther"}) {
      CreateControl<PushButton>(name, {{"Name", name},
                                       {"Width", 80},
                                       {"Height", 22},
                                       {"Default", name == std::string("btnOK")},
                                       {"Cancel", name == std::string("btnCancel")}})
          .SetActionHandler([this](PushButton& button) { log.push_back(button.Name()); });
    }
  }
};

TEST_F(ControlsTest, ReturnAndEscapePressTheDefaultAndCancelButtons) {
  KeysWindow& keys = ImplicitInstance<KeysWindow>();
  for (const int key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space}) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(keys.Widget(), &event);
  }
  EXPECT_EQ(keys.log, (std::vector<std::string>{"btnOK", "btnCancel"}));
}

}  // namespace
}  // namespace korvanta::testing
