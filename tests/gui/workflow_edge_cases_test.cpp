#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/case_names.h"
#include "tests/support/workflow_fixture.h"

namespace korvanta::testing {
namespace {

using testing::PrintTo;

// A control file of `lines` lines, every one on the exact fit
// E = 2x + 0.5y + 100, N = -0.5x + 2y + 200.
std::string ControlLines(int lines) {
  std::string text;
  for (int i = 0; i < lines; ++i) {
    const double x = 10.0 * i + (i % 2) * 40.0;
    const double y = 3.0 * i * i;
    text += "C" + std::to_string(i + 1) + "," + std::to_string(2 * x + 0.5 * y + 100) + "," +
            std::to_string(-0.5 * x + 2 * y + 200) + "," + std::to_string(x) + "," +
            std::to_string(y) + "\n";
  }
  return text;
}

struct LineCount {
  const char* name;
  int lines;
  bool affine;
  bool projective;
};

class ControlLinesTest : public WorkflowTest, public ::testing::WithParamInterface<LineCount> {};

// The count decides which models stay usable. Files too short for any model
// leave all three usable, so that "Coefficients" names the minimum.
TEST_P(ControlLinesTest, TheControlCountDecidesWhichModelsAreUsable) {
  ChooseControl(Write("control.csv", ControlLines(GetParam().lines)));
  ASSERT_TRUE(messages.texts.empty()) << Messages();
  EXPECT_EQ(Main().txtNumControl().Text(), std::to_string(GetParam().lines));
  EXPECT_TRUE(Main().radConformal().Enabled());
  EXPECT_EQ(Main().radAffine().Enabled(), GetParam().affine);
  EXPECT_EQ(Main().radProject().Enabled(), GetParam().projective);
  EXPECT_TRUE(Main().btnParam().Enabled());
  EXPECT_TRUE(Main().grpTrans().Enabled());
}

INSTANTIATE_TEST_SUITE_P(Counts, ControlLinesTest,
                         ::testing::Values(LineCount{"NoLines", 0, true, true},
                                           LineCount{"OneLine", 1, true, true},
                                           LineCount{"TwoLines", 2, false, false},
                                           LineCount{"ThreeLines", 3, true, false},
                                           LineCount{"FourLines", 4, true, true},
                                           LineCount{"TenLines", 10, true, true}),
                         ByName());

class EdgeCaseTest : public WorkflowTest {};

TEST_F(EdgeCaseTest, ALongerControlFileMakesTheModelsUsableAgain) {
  ChooseControl(Write("two.csv", ControlLines(2)));
  ASSERT_FALSE(Main().radAffine().Enabled());
  ASSERT_FALSE(Main().radProject().Enabled());
  ChooseControl(Write("ten.csv", ControlLines(10)));
  EXPECT_EQ(Main().txtNumControl().Text(), "10");
  EXPECT_TRUE(Main().radAffine().Enabled());
  EXPECT_TRUE(Main().radProject().Enabled());
  Select(&winMain::radProject);
  PressCoefficients();
  EXPECT_EQ(Main().txtProjectDF().Text(), "12");
  EXPECT_TRUE(ReportShown());
}

TEST_F(EdgeCaseTest, OneLineGivesTheSelectedModelsMinimumMessage) {
  ChooseControl(Write("one.csv", ControlLines(1)));
  Select(&winMain::radAffine);
  PressCoefficients();
  EXPECT_EQ(messages.texts, std::vector<std::string>{"Insuffucuent control for Affine solution."});
}

// A model chosen before a short file made it unusable stays chosen.
TEST_F(EdgeCaseTest, AModelSelectedBeforeAShortFileGivesItsMessage) {
  ChooseControl(Write("five.csv", ControlLines(5)));
  Select(&winMain::radProject);
  ChooseControl(Write("three.csv", ControlLines(3)));
  EXPECT_FALSE(Main().radProject().Enabled());
  EXPECT_TRUE(Main().radProject().Value());
  PressCoefficients();
  EXPECT_EQ(messages.texts,
            std::vector<std::string>{"Insuffucuent control for Projective solution."});
}

TEST_F(EdgeCaseTest, TypedCountsAfterAThreeLineFileAreCheckedAgainstTheFile) {
  ChooseControl(Write("three.csv", ControlLines(3)));
  Select(&winMain::radConformal);
  Main().txtNumControl().SetText("5");
  PressCoefficients();
  EXPECT_EQ(messages.texts,
            std::vector<std::string>{"The Conformal solution can use at most 3 control points, the "
                                     "number the control file holds; the count field asks for 5."});
  EXPECT_FALSE(ReportShown());

  Main().txtNumControl().SetText("2");
  PressCoefficients();
  EXPECT_EQ(messages.texts.size(), 1u) << Messages();
  EXPECT_EQ(Main().txtConformDF().Text(), "0");
  EXPECT_TRUE(ReportShown());
  EXPECT_EQ(ReportText().rfind("0 degrees of freedom", 0), 0u);
}

}  // namespace
}  // namespace korvanta::testing
