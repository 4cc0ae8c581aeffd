#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "shell/wndHelp.h"
#include "tests/support/case_names.h"
#include "tests/support/workflow_fixture.h"
#include "toolkit/qt/application.h"

namespace korvanta::testing {
namespace {

using testing::PrintTo;

class LaterPassTest : public WorkflowTest {};

struct RadioCase {
  const char* name;
  RadioAccessor radio;
  const char* keeps;  // its own redundancy field
  std::vector<const char*> hides;
};

class RadioHandlerTest : public WorkflowTest, public ::testing::WithParamInterface<RadioCase> {};

// Each model's radio button makes "Coefficients" usable again and hides the
// other two models' redundancy fields, leaving its own as it was.
TEST_P(RadioHandlerTest, ARadioButtonReenablesCoefficientsAndHidesTheOtherModels) {
  CompleteExactPass(&winMain::radConformal);
  ASSERT_FALSE(Main().btnParam().Enabled());
  for (const char* name : {"txtConformDF", "txtAffineDF", "txtProjectDF"}) {
    Main().ControlAs<TextField>(name).SetVisible(true);
  }
  Select(GetParam().radio);
  EXPECT_TRUE(Main().btnParam().Enabled());
  EXPECT_TRUE(Main().ControlAs<TextField>(GetParam().keeps).Visible());
  for (const char* name : GetParam().hides) {
    EXPECT_FALSE(Main().ControlAs<TextField>(name).Visible()) << name;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Models, RadioHandlerTest,
    ::testing::Values(
        RadioCase{
            "Conformal", &winMain::radConformal, "txtConformDF", {"txtAffineDF", "txtProjectDF"}},
        RadioCase{"Affine", &winMain::radAffine, "txtAffineDF", {"txtConformDF", "txtProjectDF"}},
        RadioCase{
            "Projective", &winMain::radProject, "txtProjectDF", {"txtAffineDF", "txtConformDF"}}),
    ByName());

TEST_F(LaterPassTest, AnotherModelIsEstimatedAndTransformedInTheSameRun) {
  CompleteExactPass(&winMain::radConformal);
  Select(&winMain::radAffine);
  EXPECT_FALSE(Main().txtConformDF().Visible());
  PressCoefficients();
  EXPECT_FALSE(Main().txtConformDF().Visible());
  EXPECT_EQ(Main().txtConformDF().Text(), "");
  EXPECT_TRUE(Main().txtAffineDF().Visible());
  EXPECT_EQ(Main().txtAffineDF().Text(), "4");
  EXPECT_EQ(ImplicitInstance<wndParam>().Title(), "Affine Coefficients");
  PressTransform();
  EXPECT_EQ(ImplicitInstance<wndResults>().Title(), "Affine Transformation");
  // The open results window keeps the first run's lines; the file holds the
  // last run only.
  EXPECT_EQ(ResultsText(), std::string(kExactOutput) + std::string(kExactOutput));
  EXPECT_EQ(ReadBytes(folder.Path() / "out.csv"), kExactOutput);
  EXPECT_TRUE(messages.texts.empty()) << Messages();
}

// A transformation whose file cannot be written puts no new model's title
// over the earlier model's lines.
TEST_F(LaterPassTest, AFailedWriteLeavesTheResultsWindowAsItWas) {
  CompleteExactPass(&winMain::radConformal);
  ASSERT_EQ(ImplicitInstance<wndResults>().Title(), "Conformal Transformation");
  Select(&winMain::radAffine);
  PressCoefficients();
  std::filesystem::remove_all(folder.Path());
  PressTransform();
  ASSERT_EQ(messages.texts.size(), 1u) << Messages();
  EXPECT_EQ(messages.texts[0].rfind("Cannot write the output file", 0), 0u) << Messages();
  EXPECT_EQ(ImplicitInstance<wndResults>().Title(), "Conformal Transformation");
  EXPECT_EQ(ResultsText(), kExactOutput);
}

TEST_F(LaterPassTest, ANewControlFileIsReadAndMakesCoefficientsUsableAgain) {
  CompleteExactPass(&winMain::radConformal);
  ChooseControl(Write("four.csv", "D1,1,2,3,4\nD2,5,6,7,8\nD3,9,10,11,12\nD4,13,14,15,17\n"));
  EXPECT_EQ(Main().txtControlFile().Text(), "four.csv");
  EXPECT_EQ(Main().txtNumControl().Text(), "4");
  EXPECT_EQ(TransformEngine::ControlCount, 4);
  EXPECT_EQ(TransformEngine::Control(4, 5), "17");
  EXPECT_EQ(TransformEngine::Control(5, 1), "C5");  // rows beyond stay as they were
  EXPECT_TRUE(Main().btnParam().Enabled());
  EXPECT_TRUE(Main().grpTrans().Enabled());
  EXPECT_TRUE(Main().btnOutFile().Enabled());
  EXPECT_TRUE(messages.texts.empty()) << Messages();
}

// Coefficients of the earlier control file never transform points after a
// new one is read: the output stays as the last transformation left it.
TEST_F(LaterPassTest, ANewControlFileNeedsCoefficientsBeforeTheNextTransform) {
  CompleteExactPass(&winMain::radConformal);
  ChooseControl(Write("four.csv", "D1,1,2,3,4\nD2,5,6,7,8\nD3,9,10,11,12\nD4,13,14,15,17\n"));
  PressTransform();
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0], "Press Coefficients for the Conformal model before transforming.");
  EXPECT_EQ(ReadBytes(folder.Path() / "out.csv"), kExactOutput);
  EXPECT_EQ(ResultsText(), kExactOutput);
}

TEST_F(LaterPassTest, ANewOutputFileAfterThePointsIsUsedByTheNextTransform) {
  CompleteExactPass(&winMain::radConformal);
  const FolderItem second = Write("second.csv", "old\n");
  ChooseOutput(second);
  EXPECT_EQ(ReadBytes(second.Path()), "old\n");
  EXPECT_EQ(Main().txtOutFile().Text(), "second.csv");
  EXPECT_TRUE(Main().btnTransform().Enabled());
  EXPECT_TRUE(Main().grpTrans().Enabled());
  EXPECT_TRUE(Main().btnPointFile().Enabled());
  EXPECT_EQ(Main().txtPointFile().Text(), "points.csv");  // the points stay chosen

  PressTransform();
  EXPECT_EQ(ReadBytes(second.Path()), kExactOutput);
  EXPECT_EQ(ReadBytes(folder.Path() / "out.csv"), kExactOutput);
  EXPECT_TRUE(messages.texts.empty()) << Messages();
}

// After a complete pass, "Reset" empties every field and returns to the
// first step; the files, the arrays and the report windows stay.
TEST_F(LaterPassTest, ResetAfterACompletePassEmptiesTheFieldsAndKeepsTheFiles) {
  CompleteExactPass(&winMain::radAffine);
  const std::vector<std::string> before = Snapshot();
  Main().btnReset().Press();
  winMain& w = Main();
  for (TextField* field :
       {&w.txtControlFile(), &w.txtOutFile(), &w.txtPointFile(), &w.txtNumControl(),
        &w.txtNumPoints(), &w.txtConformDF(), &w.txtAffineDF(), &w.txtProjectDF()}) {
    EXPECT_EQ(field->Text(), "") << field->Name();
  }
  EXPECT_TRUE(w.txtControlFile().Visible());
  EXPECT_TRUE(w.txtOutFile().Visible());
  for (TextField* field : {&w.txtPointFile(), &w.txtNumControl(), &w.txtNumPoints(),
                           &w.txtConformDF(), &w.txtAffineDF(), &w.txtProjectDF()}) {
    EXPECT_FALSE(field->Visible()) << field->Name();
  }
  EXPECT_FALSE(w.btnPointFile().Enabled());
  EXPECT_FALSE(w.grpTrans().Enabled());
  EXPECT_TRUE(w.radConformal().Value());
  EXPECT_FALSE(w.radAffine().Value());
  EXPECT_FALSE(w.radProject().Value());
  EXPECT_TRUE(w.btnOutFile().Enabled());
  EXPECT_TRUE(w.btnTransform().Enabled());
  EXPECT_FALSE(w.btnParam().Enabled());  // Value set by code raises no Action
  EXPECT_TRUE(ReportShown());
  EXPECT_TRUE(ImplicitInstance<wndResults>().Visible());

  // The files and the arrays are untouched: the tail of the snapshot.
  const std::vector<std::string> after = Snapshot();
  const std::size_t controls = w.Window::ControlCount();
  EXPECT_EQ(
      std::vector<std::string>(after.begin() + static_cast<std::ptrdiff_t>(controls), after.end()),
      std::vector<std::string>(before.begin() + static_cast<std::ptrdiff_t>(controls),
                               before.end()));

  PressTransform();
  EXPECT_EQ(messages.texts, std::vector<std::string>{"No points in data file."});

  ChooseControl(Write("again.csv", kExactControl));
  EXPECT_TRUE(w.grpTrans().Enabled());
  EXPECT_EQ(w.txtNumControl().Text(), "5");
}

TEST_F(LaterPassTest, ResetBeforeAnyStepRaisesNothingAndLeavesTransformDisabled) {
  Main().btnReset().Press();
  EXPECT_FALSE(Main().btnTransform().Enabled());
  EXPECT_FALSE(Main().btnPointFile().Enabled());
  EXPECT_FALSE(Main().grpTrans().Enabled());
  EXPECT_TRUE(Main().radConformal().Value());
  EXPECT_TRUE(messages.texts.empty()) << Messages();
}

TEST_F(LaterPassTest, HelpShowsTheOneHelpWindow) {
  EXPECT_FALSE(IsOpen<wndHelp>());
  Main().btnHelp().Press();
  ASSERT_TRUE(IsOpen<wndHelp>());
  wndHelp& help = ImplicitInstance<wndHelp>();
  EXPECT_TRUE(help.Visible());
  EXPECT_FALSE(help.txtHelp().Text().empty());
  help.btnHelpOK().Press();
  EXPECT_FALSE(help.Visible());
  Main().btnHelp().Press();
  EXPECT_EQ(&ImplicitInstance<wndHelp>(), &help);
  EXPECT_TRUE(help.Visible());
}

TEST_F(LaterPassTest, QuitEndsTheApplicationWithStatusZero) {
  // A status the handler must replace, so that a missing Quit fails here
  // instead of leaving Run waiting for events.
  Application::Instance()->Quit(7);
  Main().btnQuit().Press();
  EXPECT_EQ(Application::Instance()->Run(), 0);
}

// The main window's close box ends the program as "Quit" does, also while
// the coefficients, results and help windows are shown.
TEST_F(LaterPassTest, ClosingTheMainWindowEndsTheApplicationWithStatusZero) {
  CompleteExactPass(&winMain::radConformal);
  Main().btnHelp().Press();
  ASSERT_TRUE(ReportShown());
  ASSERT_TRUE(ImplicitInstance<wndResults>().Visible());
  ASSERT_TRUE(ImplicitInstance<wndHelp>().Visible());
  EXPECT_EQ(RunEventLoopWith({[this] { PressCloseBox(Main()); }}), 0);
  EXPECT_FALSE(IsOpen<winMain>());
}

}  // namespace
}  // namespace korvanta::testing
