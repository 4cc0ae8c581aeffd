#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/support/case_names.h"
#include "tests/support/workflow_fixture.h"
#include "toolkit/core/text.h"

namespace korvanta::testing {
namespace {

using testing::PrintTo;

const std::string kNotAWholeNumber =
    "\" is not a whole number. Type the number to use, or choose the file again.";

// What every refused "Coefficients" leaves: the fields and the arrays
// cleared, no report, "Output" still disabled, "Coefficients" still usable.
void ExpectNothingEstimated(const winMain& w) {
  for (const TextField* field : {&w.txtConformDF(), &w.txtAffineDF(), &w.txtProjectDF()}) {
    EXPECT_FALSE(field->Visible()) << field->Name();
    EXPECT_EQ(field->Text(), "") << field->Name();
  }
  for (std::int64_t i = 1; i <= 10; ++i) {
    EXPECT_EQ(TransformEngine::CoeffID(i), "") << i;
    EXPECT_EQ(TransformEngine::Coeff(i, 1), 0.0) << i;
    EXPECT_EQ(TransformEngine::Coeff(i, 2), 0.0) << i;
  }
  EXPECT_FALSE(IsOpen<wndParam>());
  EXPECT_FALSE(w.btnOutFile().Enabled());
  EXPECT_TRUE(w.btnParam().Enabled());
}

struct RefusedCount {
  const char* name;
  RadioAccessor radio;
  const char* typed;  // into the control count field
  std::string message;
};

class RefusedCountTest : public WorkflowTest, public ::testing::WithParamInterface<RefusedCount> {};

// Counts typed into the field after the five exact control points were read.
TEST_P(RefusedCountTest, CoefficientsRefusesTheCountWithOneMessage) {
  ChooseControl(Write("control.csv", kExactControl));
  Select(GetParam().radio);
  Main().txtNumControl().SetText(GetParam().typed);
  PressCoefficients();
  EXPECT_EQ(messages.texts, std::vector<std::string>{GetParam().message});
  ExpectNothingEstimated(Main());
}

INSTANTIATE_TEST_SUITE_P(
    Counts, RefusedCountTest,
    ::testing::Values(
        RefusedCount{"ConformalBelowTwo", &winMain::radConformal, "1",
                     "Insuffucuent control for Conformal solution."},
        RefusedCount{"AffineBelowThree", &winMain::radAffine, "2",
                     "Insuffucuent control for Affine solution."},
        RefusedCount{"ProjectiveBelowFour", &winMain::radProject, "3",
                     "Insuffucuent control for Projective solution."},
        RefusedCount{"Negative", &winMain::radConformal, "-4",
                     "Insuffucuent control for Conformal solution."},
        RefusedCount{"Emptied", &winMain::radProject, "",
                     "Insuffucuent control for Projective solution."},
        RefusedCount{"NotANumber", &winMain::radAffine, "5 points",
                     "The control point count \"5 points" + kNotAWholeNumber},
        // The most the file offers, not what the model needs (2 points),
        // whichever limit the count passed.
        RefusedCount{"BeyondTheFile", &winMain::radConformal, "6",
                     "The Conformal solution can use at most 5 control points, the number the "
                     "control file holds; the count field asks for 6."},
        RefusedCount{"BeyondOneEstimation", &winMain::radAffine, "11",
                     "The Affine solution can use at most 5 control points, the number the "
                     "control file holds; the count field asks for 11."},
        RefusedCount{"BeyondAnyRedundancy", &winMain::radProject, "9223372036854775807",
                     "The Projective solution can use at most 5 control points, the number the "
                     "control file holds; the count field asks for 9223372036854775807."}),
    ByName());

struct UsedCount {
  const char* name;
  RadioAccessor radio;
  const char* typed;
  const char* field;
  const char* redundancy;
};

class UsedCountTest : public WorkflowTest, public ::testing::WithParamInterface<UsedCount> {};

// A smaller count is used as typed, down to each model's minimum.
TEST_P(UsedCountTest, CoefficientsEstimatesWithTheTypedCount) {
  ChooseControl(Write("control.csv", kExactControl));
  Select(GetParam().radio);
  Main().txtNumControl().SetText(GetParam().typed);
  PressCoefficients();
  EXPECT_TRUE(messages.texts.empty()) << Messages();
  EXPECT_EQ(Main().ControlAs<TextField>(GetParam().field).Text(), GetParam().redundancy);
  EXPECT_TRUE(ReportShown());
  EXPECT_EQ(ReportText().rfind(std::string(GetParam().redundancy) + " degrees of freedom", 0), 0u);
  EXPECT_TRUE(Main().btnOutFile().Enabled());
  EXPECT_FALSE(Main().btnParam().Enabled());
}

INSTANTIATE_TEST_SUITE_P(
    Counts, UsedCountTest,
    ::testing::Values(
        UsedCount{"ConformalAtTheMinimum", &winMain::radConformal, "2", "txtConformDF", "0"},
        UsedCount{"AffineAtTheMinimum", &winMain::radAffine, "3", "txtAffineDF", "0"},
        UsedCount{"ProjectiveAtTheMinimum", &winMain::radProject, "4", "txtProjectDF", "0"},
        UsedCount{"ConformalWithBlanksAround", &winMain::radConformal, " 3 ", "txtConformDF", "2"}),
    ByName());

class EstimationMessageTest : public WorkflowTest {};

// A point observed twice counts twice: 4 control points, redundancy 2.
TEST_F(EstimationMessageTest, ARepeatedPointIsEstimatedWithItsRedundancy) {
  ChooseControl(Write("control.csv",
                      "P1,10,10,0,0\nP2,20,11,10,0\nP3,21,20,10,10\n"
                      "P3again,21.01,19.99,10,10\n"));
  Select(&winMain::radAffine);
  PressCoefficients();
  EXPECT_TRUE(messages.texts.empty()) << Messages();
  EXPECT_EQ(Main().txtAffineDF().Text(), "2");
  EXPECT_TRUE(ReportShown());
  EXPECT_EQ(ReportText().rfind("2 degrees of freedom", 0), 0u);
  EXPECT_TRUE(Main().btnOutFile().Enabled());
}

// The engine refuses points that cannot determine the model: its message,
// and nothing to report or transform with.
TEST_F(EstimationMessageTest, AFailedEstimationShowsTheEnginesMessageAndNoReport) {
  ChooseControl(Write("control.csv", "P1,10,10,5,5\nP2,20,20,5,5\nP3,30,10,5,5\n"));
  Select(&winMain::radConformal);
  PressCoefficients();
  ASSERT_EQ(messages.texts.size(), 1u) << Messages();
  EXPECT_EQ(messages.texts[0].rfind("Cannot estimate the Conformal solution: ", 0), 0u)
      << messages.texts[0];
  ExpectNothingEstimated(Main());
}

TEST_F(EstimationMessageTest, ProjectiveNonConvergenceStillReportsAndEnablesOutput) {
  ChooseControl(Write("control.csv",
                      "P1,0,0,0,0\nP2,20,0,10,0\nP3,25,25,10,10\nP4,0,20,0,10\nP5,100,100,5,5\n"));
  Select(&winMain::radProject);
  PressCoefficients();
  EXPECT_EQ(messages.texts,
            std::vector<std::string>{"Soution did not converge within ten "
                                     "iterations" +
                                     std::string(EndOfLine) + "Check your control file."});
  EXPECT_TRUE(Main().txtProjectDF().Visible());
  EXPECT_EQ(Main().txtProjectDF().Text(), "2");
  ASSERT_TRUE(ReportShown());
  EXPECT_EQ(ImplicitInstance<wndParam>().Title(), "Projective Coefficients");
  EXPECT_TRUE(Main().btnOutFile().Enabled());
  EXPECT_FALSE(Main().btnParam().Enabled());
}

TEST_F(EstimationMessageTest, CoefficientsWithNoModelSelectedOnlyClears) {
  ChooseControl(Write("control.csv", kExactControl));
  TransformEngine::CoeffID(10) = "left over";
  TransformEngine::Coeff(10, 2) = 3.0;
  Main().txtAffineDF().SetVisible(true);
  Main().txtAffineDF().SetText("9");
  PressCoefficients();
  EXPECT_TRUE(messages.texts.empty()) << Messages();
  ExpectNothingEstimated(Main());
}

struct RefusedTransform {
  const char* name;
  const char* typed;  // into the point count field
  std::string message;
};

class RefusedTransformTest : public WorkflowTest,
                             public ::testing::WithParamInterface<RefusedTransform> {};

// After a complete pass the point count is edited; a refused transformation
// writes nothing and adds nothing to the results window.
TEST_P(RefusedTransformTest, TransformRefusesTheCountWithOneMessage) {
  CompleteExactPass(&winMain::radConformal);
  ASSERT_TRUE(messages.texts.empty()) << Messages();
  Main().txtNumPoints().SetText(GetParam().typed);
  PressTransform();
  EXPECT_EQ(messages.texts, std::vector<std::string>{GetParam().message});
  EXPECT_EQ(ReadBytes(folder.Path() / "out.csv"), kExactOutput);
  EXPECT_EQ(ResultsText(), kExactOutput);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, RefusedTransformTest,
    ::testing::Values(
        RefusedTransform{"Zero", "0", "No points in data file."},
        RefusedTransform{"Emptied", "", "No points in data file."},
        RefusedTransform{"Negative", "-3",
                         "Cannot transform -3 points: the point count must be at least 1."},
        RefusedTransform{"BeyondTheFile", "4",
                         "Cannot transform 4 points: the points file \"points.csv\" holds 3 "
                         "points."},
        RefusedTransform{"NotANumber", "three", "The point count \"three" + kNotAWholeNumber}),
    ByName());

class TransformGuardTest : public WorkflowTest {};

TEST_F(TransformGuardTest, ASmallerPointCountTransformsThatManyPoints) {
  CompleteExactPass(&winMain::radConformal);
  Main().txtNumPoints().SetText("2");
  PressTransform();
  const std::string two =
      "Q1, 130.0000, 235.0000, 0.00000, 0.00000\n"
      "Q2, 260.0000, 330.0000, 0.00000, 0.00000\n";
  EXPECT_EQ(ReadBytes(folder.Path() / "out.csv"), two);
  EXPECT_TRUE(messages.texts.empty()) << Messages();
}

// Coefficients of one model are never applied with another's formulas.
TEST_F(TransformGuardTest, AnotherModelSelectedSinceTheEstimationAsksForCoefficients) {
  CompleteExactPass(&winMain::radConformal);
  Select(&winMain::radProject);
  PressTransform();
  EXPECT_EQ(
      messages.texts,
      std::vector<std::string>{"Press Coefficients for the Projective model before transforming."});
  EXPECT_EQ(ReadBytes(folder.Path() / "out.csv"), kExactOutput);
  EXPECT_EQ(ResultsText(), kExactOutput);
}

// After "Reset" the models and "Coefficients" wait for a control file, so
// the message names that step first; once one is chosen, "Coefficients".
TEST_F(TransformGuardTest, AfterResetTheMessageAsksForTheControlFileFirst) {
  CompleteExactPass(&winMain::radAffine);
  Main().btnReset().Press();
  ChooseOutput(folder.Item("again.csv"));
  ChoosePoints(Write("points.csv", kExactPoints));
  ASSERT_FALSE(Main().grpTrans().Enabled());
  PressTransform();
  EXPECT_EQ(messages.texts,
            std::vector<std::string>{"Choose a control file with Control, then press Coefficients "
                                     "for the Conformal model before transforming."});
  EXPECT_EQ(ReadBytes(folder.Path() / "again.csv"), "");

  messages.texts.clear();
  ChooseControl(Write("control.csv", kExactControl));
  ASSERT_TRUE(Main().btnParam().Enabled());
  PressTransform();
  EXPECT_EQ(messages.texts, std::vector<std::string>{
                                "Press Coefficients for the Conformal model before transforming."});
  EXPECT_EQ(ReadBytes(folder.Path() / "again.csv"), "");
}

// A refused "Coefficients" has cleared the earlier coefficients.
TEST_F(TransformGuardTest, ARefusedEstimationLeavesNothingToTransformWith) {
  CompleteExactPass(&winMain::radAffine);
  Select(&winMain::radAffine);
  Main().txtNumControl().SetText("2");
  PressCoefficients();
  ASSERT_EQ(messages.texts, std::vector<std::string>{"Insuffucuent control for Affine solution."});
  PressTransform();
  EXPECT_EQ(messages.texts.back(), "Press Coefficients for the Affine model before transforming.");
  EXPECT_EQ(ReadBytes(folder.Path() / "out.csv"), kExactOutput);
}

}  // namespace
}  // namespace korvanta::testing
