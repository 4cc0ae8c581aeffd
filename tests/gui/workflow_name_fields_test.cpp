// The three file-name fields show the chosen file and only that: what the
// user types there would name a file that is never read or written.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/case_names.h"
#include "tests/support/workflow_fixture.h"
#include "toolkit/qt/edit_commands.h"

namespace korvanta::testing {
namespace {

using testing::PrintTo;

using FieldAccessor = TextField& (winMain::*)() const;

// Keys as the user types them, one press and release each, into the field.
void TypeInto(TextField& field, const std::string& text) {
  QWidget* widget = field.Widget();
  widget->setFocus();
  for (const QChar c : QString::fromStdString(text)) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
  }
  QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
  QApplication::sendEvent(widget, &backspace);
}

class NameFieldTest : public WorkflowTest {
 public:
  // Where in the work the user types.
  void AfterAPass() { CompleteExactPass(&winMain::radConformal); }
  void AfterReset() {
    CompleteExactPass(&winMain::radConformal);
    Main().btnReset().Press();
  }
  void BeforePoints() {
    ChooseControl(Write("control.csv", kExactControl));
    Select(&winMain::radConformal);
    PressCoefficients();
    ChooseOutput(folder.Item("out.csv"));
  }
};

struct TypingCase {
  const char* name;
  void (NameFieldTest::*arrange)();
  FieldAccessor field;
};

class TypingTest : public NameFieldTest, public ::testing::WithParamInterface<TypingCase> {};

// Typing changes neither the field nor anything the workflow keeps, so no
// step becomes usable without its file.
TEST_P(TypingTest, TypingIntoANameFieldChangesNothing) {
  (this->*GetParam().arrange)();
  TextField& field = (Main().*GetParam().field)();
  ASSERT_TRUE(field.Visible());
  const std::vector<std::string> before = Snapshot();
  TypeInto(field, "typed-name.csv");
  EXPECT_EQ(Snapshot(), before);
  EXPECT_TRUE(messages.texts.empty()) << Messages();
}

INSTANTIATE_TEST_SUITE_P(
    Fields, TypingTest,
    ::testing::Values(
        TypingCase{"OutputAfterAPass", &NameFieldTest::AfterAPass, &winMain::txtOutFile},
        TypingCase{"OutputAfterReset", &NameFieldTest::AfterReset, &winMain::txtOutFile},
        TypingCase{"ControlAfterReset", &NameFieldTest::AfterReset, &winMain::txtControlFile},
        TypingCase{"PointsBeforeAnyPointsFile", &NameFieldTest::BeforePoints,
                   &winMain::txtPointFile}),
    ByName());

// The chosen name can still be selected and copied, and code that sets a
// name still raises TextChange, so the steps follow as before.
TEST_F(NameFieldTest, ANameCanBeCopiedAndTheStepsFollowAsBefore) {
  BeforePoints();
  EXPECT_TRUE(Main().btnPointFile().Enabled());  // through txtOutFile's TextChange
  ChoosePoints(Write("points.csv", kExactPoints));
  EXPECT_TRUE(Main().btnTransform().Enabled());  // through txtPointFile's TextChange

  QWidget* field = Main().txtOutFile().Widget();
  RunEditCommand(EditCommand::kSelectAll, field);
  EXPECT_FALSE(CanRunEditCommand(EditCommand::kCut, field));
  EXPECT_FALSE(CanRunEditCommand(EditCommand::kPaste, field));
  RunEditCommand(EditCommand::kCopy, field);
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "out.csv");

  PressTransform();
  EXPECT_EQ(ReadBytes(folder.Path() / "out.csv"), kExactOutput);
}

}  // namespace
}  // namespace korvanta::testing
