#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <string>

#include "tests/support/dialog_answers.h"
#include "tests/support/gui_fixture.h"
#include "tests/support/temp_files.h"
#include "toolkit/core/exceptions.h"
#include "toolkit/qt/application.h"
#include "toolkit/qt/presenters.h"

namespace korvanta::testing {
namespace {

TEST(ApplicationTest, HighDpiSupportIsDeclaredBeforeTheApplicationExists) {
  EXPECT_THROW(Application::SetSupportsHiDPI(true), RuntimeException);
}

TEST(ApplicationTest, AQuitBeforeTheEventLoopMakesRunReturnAtOnce) {
  Application::Instance()->Quit(3);
  EXPECT_EQ(Application::Instance()->Run(), 3);
}

class PresenterTest : public GuiTest {};

TEST_F(PresenterTest, TheMessageBoxShowsItsTextAsItIsWithOneOk) {
  std::string shown;
  int buttons = 0;
  AnswerNextDialog<QMessageBox>([&](QMessageBox& box) {
    shown = box.text().toStdString();
    buttons = static_cast<int>(box.buttons().size());
    EXPECT_EQ(box.textFormat(), Qt::PlainText);
    box.button(QMessageBox::Ok)->click();
  });
  ShowMessageBox("Cannot open 13  <Permission denied>");
  EXPECT_EQ(shown, "Cannot open 13  <Permission denied>");
  EXPECT_EQ(buttons, 1);
}

TEST_F(PresenterTest, TheOpenDialogGivesTheChosenFileOrNothing) {
  TempFolder folder;
  const FolderItem file = folder.Write("control.csv", "1,2,3,4,5\n");
  const DialogPresenter dialogs = QtDialogPresenter();

  AnswerNextDialog<QFileDialog>([&](QFileDialog& dialog) {
    // Typed into the name field, as a user does: selectFile leaves that field
    // alone while it has the focus, which on a busy machine it may already
    // have, and the dialog then had nothing to accept.
    auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(name, nullptr) << "the file dialog has no name field";
    name->setText(QString::fromStdString(file.Path().string()));
    static_cast<QDialog&>(dialog).accept();  // as the Open button does
  });
  const FolderItemRef chosen = dialogs.open("");
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(chosen->Path(), file.Path());

  AnswerNextDialog<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
  EXPECT_FALSE(dialogs.open("").has_value());
}

TEST_F(PresenterTest, TheSaveDialogAsksBeforeReplacingAFile) {
  TempFolder folder;
  const FolderItem file = folder.Write("out.csv", "old\n");
  const DialogPresenter dialogs = QtDialogPresenter();

  for (const bool replace : {false, true}) {
    bool asked = false;
    AnswerNextDialog<QFileDialog>([&](QFileDialog& dialog) {
      AnswerNextDialog<QMessageBox>([&](QMessageBox& box) {
        asked = box.text().contains("out.csv");
        box.button(replace ? QMessageBox::Yes : QMessageBox::No)->click();
      });
      static_cast<QDialog&>(dialog).accept();   // as the Save button does
      if (dialog.isVisible()) dialog.reject();  // "No" leaves the choice open
    });
    // The suggested name is the existing file.
    const FolderItemRef chosen = dialogs.save("", file.Path().string());
    EXPECT_TRUE(asked);
    EXPECT_EQ(chosen.has_value(), replace);
    if (chosen) {
      EXPECT_EQ(chosen->Path(), file.Path());
    }
  }
  EXPECT_EQ(ReadBytes(file.Path()), "old\n");  // choosing replaces nothing yet
}

}  // namespace
}  // namespace korvanta::testing
