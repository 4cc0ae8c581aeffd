#include <gtest/gtest.h>

#include <QPointer>
#include <QRect>
#include <QWidget>
#include <string>
#include <string_view>
#include <vector>

#include "shell/credits.h"
#include "shell/wndHelp.h"
#include "tests/support/shell_fixture.h"
#include "toolkit/core/text.h"
#include "toolkit/qt/implicit_instance.h"

namespace korvanta::testing {
namespace {

// The help text line by line, the empty lines included.
const std::vector<std::string_view> kHelpLines = {
    "Perform in this order:",
    "1. Select Control Point file",
    "2. Pick transformation type.",
    "3. Click Coefficients button to generate and view coefficients.",
    "4. Select Output file",
    "5. Select Points file: those to be transformed.",
    "6. Click Transform button.",
    "   Points will be transformed, written to file & displayed on screen.",
    "",
    "Input files are comma delimited text files with these formats",
    "   Control: ID, E, N, x, y",
    "   Points: ID, x, y",
    "Output file: ID, E, N, SDe, SDn",
    "",
    "Caution: Korvanta refuses lines with missing fields or coordinates that are not numbers.",
    "Be sure they are text files with correct format.",
    "",
    kFeedbackLine,
    kSignatureLine,
};

std::string ExpectedHelpText() {
  std::string text;
  for (const std::string_view line : kHelpLines) text.append(line).append(EndOfLine);
  return text;
}

QRect PlaceOf(const RectControl& control) {
  return {control.Left(), control.Top(), control.Width(), control.Height()};
}

class HelpWindowTest : public ShellTest {};

TEST_F(HelpWindowTest, TheTextHasSixteenLinesAndThreeEmptyOnesEachEnded) {
  const std::string text = ImplicitInstance<wndHelp>().txtHelp().Text();
  EXPECT_EQ(text, ExpectedHelpText());

  const std::vector<std::string> lines = Split(text, EndOfLine);
  ASSERT_EQ(lines.size(), 20u);  // 19 lines, then what follows the last line end
  EXPECT_EQ(lines.back(), "");
  std::vector<std::size_t> empty;
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    if (lines[i].empty()) empty.push_back(i + 1);
  }
  // After text lines 8, 12 and 14.
  EXPECT_EQ(empty, (std::vector<std::size_t>{9, 14, 17}));
  EXPECT_EQ(lines[11], "   Points: ID, x, y");
  EXPECT_NE(lines[14].find("Korvanta"), std::string::npos);
  // The caution says what the readers of the input files do.
  EXPECT_TRUE(lines[14].starts_with("Caution: ")) << lines[14];
  EXPECT_EQ(lines[14].find("does not check"), std::string::npos) << lines[14];
}

TEST_F(HelpWindowTest, TheWindowIsBuiltHiddenFromItsDesign) {
  wndHelp& help = ImplicitInstance<wndHelp>();
  EXPECT_FALSE(help.Visible());
  EXPECT_FALSE(help.Widget()->isVisible());
  EXPECT_EQ(help.Title(), "Help");
  EXPECT_EQ(help.FrameKind(), 2);
  EXPECT_EQ(QSize(help.Width(), help.Height()), QSize(436, 384));
  EXPECT_EQ(QSize(help.MinimumWidth(), help.MinimumHeight()), QSize(64, 64));
  EXPECT_TRUE(help.MenuBarVisible());
  ASSERT_EQ(help.ControlCount(), 2u);
  EXPECT_EQ(&help.ControlAt(0), &help.txtHelp());
  EXPECT_EQ(&help.ControlAt(1), &help.btnHelpOK());

  const TextArea& area = help.txtHelp();
  EXPECT_EQ(PlaceOf(area), QRect(20, 20, 396, 322));
  EXPECT_TRUE(area.LockLeft() && area.LockTop() && area.LockRight() && area.LockBottom());
  EXPECT_FALSE(area.ReadOnly());
  EXPECT_TRUE(area.HasVerticalScrollbar());

  const PushButton& ok = help.btnHelpOK();
  EXPECT_EQ(PlaceOf(ok), QRect(178, 354, 80, 22));
  EXPECT_EQ(ok.Caption(), "OK");
  EXPECT_FALSE(ok.LockLeft() || ok.LockTop());
  EXPECT_TRUE(ok.LockRight() && ok.LockBottom());
  EXPECT_FALSE(ok.Default());
  EXPECT_FALSE(ok.Cancel());
}

// The stored design keeps both control lists last key first, and the area's
// list has no InitialParent key.
TEST_F(HelpWindowTest, TheControlListsAreStoredLastKeyFirst) {
  const wndHelp& help = ImplicitInstance<wndHelp>();
  const DesignList& area = help.txtHelp().Design();
  ASSERT_EQ(area.Entries().size(), 46u);
  EXPECT_EQ(area.Entries().front().key, "UnicodeMode");
  EXPECT_EQ(area.Entries().back().key, "Name");
  EXPECT_FALSE(area.Has("InitialParent"));

  const DesignList& ok = help.btnHelpOK().Design();
  ASSERT_EQ(ok.Entries().size(), 29u);
  EXPECT_EQ(ok.Entries().front().key, "InitialParent");
  EXPECT_EQ(ok.Entries()[1].key, "Underline");
  EXPECT_EQ(ok.Entries().back().key, "Name");
}

TEST_F(HelpWindowTest, TheAreaFollowsEveryEdgeAndOkTheBottomRightCorner) {
  wndHelp& help = ImplicitInstance<wndHelp>();
  help.SetWidth(536);
  help.SetHeight(434);
  EXPECT_EQ(PlaceOf(help.txtHelp()), QRect(20, 20, 496, 372));
  EXPECT_EQ(PlaceOf(help.btnHelpOK()), QRect(278, 404, 80, 22));
  help.SetWidth(10);
  help.SetHeight(10);
  EXPECT_EQ(QSize(help.Width(), help.Height()), QSize(64, 64));
}

TEST_F(HelpWindowTest, OkHidesTheSameWindowWithItsTextAndTheUsersEdits) {
  wndHelp& help = ImplicitInstance<wndHelp>();
  help.SetVisible(true);
  help.txtHelp().AddText("my note");
  // "Help" while it is shown: still the one window.
  EXPECT_EQ(&ImplicitInstance<wndHelp>(), &help);

  help.btnHelpOK().Press();
  EXPECT_FALSE(help.Visible());
  EXPECT_TRUE(IsOpen<wndHelp>());
  DeliverDeferredDeletes();

  wndHelp& again = ImplicitInstance<wndHelp>();
  EXPECT_EQ(&again, &help);
  again.SetVisible(true);
  EXPECT_TRUE(again.Widget()->isVisible());
  EXPECT_EQ(again.txtHelp().Text(), ExpectedHelpText() + "my note");
}

TEST_F(HelpWindowTest, TheCloseBoxEndsTheWindowAndTheNextHasAFreshText) {
  wndHelp& help = ImplicitInstance<wndHelp>();
  help.SetVisible(true);
  help.txtHelp().SetText("typed over");
  QPointer<QWidget> frame = help.Widget();
  frame->close();
  EXPECT_FALSE(IsOpen<wndHelp>());
  DeliverDeferredDeletes();
  EXPECT_TRUE(frame.isNull());

  wndHelp& fresh = ImplicitInstance<wndHelp>();
  EXPECT_FALSE(fresh.Visible());
  EXPECT_EQ(fresh.txtHelp().Text(), ExpectedHelpText());
}

}  // namespace
}  // namespace korvanta::testing
