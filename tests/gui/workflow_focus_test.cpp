// Where the keyboard focus goes when "Coefficients" disables itself: to the
// next step, never along the tab chain to "Quit", where a keyboard user's
// next Space would end the program.
#include <gtest/gtest.h>

#include <QWidget>
#include <string>

#include "tests/support/case_names.h"
#include "tests/support/workflow_fixture.h"

namespace korvanta::testing {
namespace {

using testing::PrintTo;

class FocusTest : public WorkflowTest {
 public:
  // As the user takes the step from the keyboard or with the mouse: the
  // button has the focus when it acts.
  void PressCoefficientsWithFocus() {
    Main().btnParam().SetFocus();
    ASSERT_TRUE(Main().btnParam().HasFocus());
    PressCoefficients();
  }

  void FirstPass() {
    ChooseControl(Write("control.csv", kExactControl));
    Select(&winMain::radAffine);
  }
  void FilesChosen() {
    CompleteExactPass(&winMain::radConformal);
    Select(&winMain::radAffine);
  }
  void AfterReset() {
    CompleteExactPass(&winMain::radConformal);
    Main().btnReset().Press();
    ChooseControl(Write("control.csv", kExactControl));
    Select(&winMain::radAffine);
  }
};

struct FocusCase {
  const char* name;
  void (FocusTest::*arrange)();
  PushButton& (winMain::*next)() const;
};

class NextStepFocusTest : public FocusTest, public ::testing::WithParamInterface<FocusCase> {};

TEST_P(NextStepFocusTest, CoefficientsPassesTheFocusToTheNextStep) {
  (this->*GetParam().arrange)();
  PressCoefficientsWithFocus();
  ASSERT_FALSE(Main().btnParam().Enabled()) << Messages();
  const PushButton& next = (Main().*GetParam().next)();
  EXPECT_TRUE(next.HasFocus()) << "focus on "
                               << Main().Widget()->focusWidget()->objectName().toStdString();
  EXPECT_FALSE(Main().btnQuit().HasFocus());
}

INSTANTIATE_TEST_SUITE_P(
    Steps, NextStepFocusTest,
    ::testing::Values(
        FocusCase{"OutputInTheFirstPass", &FocusTest::FirstPass, &winMain::btnOutFile},
        FocusCase{"TransformWithBothFilesChosen", &FocusTest::FilesChosen, &winMain::btnTransform},
        // Reset empties the names: the user chooses the files again.
        FocusCase{"OutputAfterReset", &FocusTest::AfterReset, &winMain::btnOutFile}),
    ByName());

// The tab order of the design stays: only a disabled focus control moves it.
TEST_F(FocusTest, AFailedEstimationLeavesTheFocusOnCoefficients) {
  ChooseControl(Write("control.csv", kExactControl));
  Select(&winMain::radAffine);
  Main().txtNumControl().SetText("2");
  PressCoefficientsWithFocus();
  EXPECT_TRUE(Main().btnParam().Enabled());
  EXPECT_TRUE(Main().btnParam().HasFocus());
}

}  // namespace
}  // namespace korvanta::testing
