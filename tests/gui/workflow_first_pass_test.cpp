#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/case_names.h"
#include "tests/support/workflow_fixture.h"
#include "toolkit/core/text.h"

namespace korvanta::testing {
namespace {

using testing::PrintTo;

class FirstPassTest : public WorkflowTest {};

// The shipped examples, step by step, with what each step makes usable.
TEST_F(FirstPassTest, TheExamplesGoFromControlFileToTransformedPoints) {
  winMain& w = Main();
  ChooseControl(Example("site-control.csv"));
  EXPECT_TRUE(w.txtControlFile().Visible());
  EXPECT_EQ(w.txtControlFile().Text(), "site-control.csv");
  EXPECT_TRUE(w.txtNumControl().Visible());
  EXPECT_EQ(w.txtNumControl().Text(), "6");
  EXPECT_TRUE(w.grpTrans().Enabled());
  EXPECT_TRUE(w.btnParam().Enabled());
  for (RadioButton* radio : {&w.radConformal(), &w.radAffine(), &w.radProject()}) {
    EXPECT_TRUE(radio->Enabled()) << radio->Name();
    EXPECT_FALSE(radio->Value()) << radio->Name();
  }
  EXPECT_FALSE(w.btnOutFile().Enabled());

  Select(&winMain::radAffine);
  EXPECT_TRUE(w.radAffine().Value());
  PressCoefficients();
  EXPECT_TRUE(w.txtAffineDF().Visible());
  EXPECT_EQ(w.txtAffineDF().Text(), "6");
  EXPECT_FALSE(w.txtConformDF().Visible());
  EXPECT_FALSE(w.txtProjectDF().Visible());
  ASSERT_TRUE(ReportShown());
  EXPECT_EQ(ImplicitInstance<wndParam>().Title(), "Affine Coefficients");
  EXPECT_EQ(ReportText().rfind("6 degrees of freedom\n\na1=  ", 0), 0u) << ReportText();
  EXPECT_TRUE(w.btnOutFile().Enabled());
  EXPECT_FALSE(w.btnParam().Enabled());
  EXPECT_FALSE(w.btnPointFile().Enabled());

  const FolderItem output = Write("site-out.csv", "an earlier run\n");
  ChooseOutput(output);
  EXPECT_EQ(ReadBytes(output.Path()), "an earlier run\n");  // kept until a transformation
  EXPECT_TRUE(w.txtOutFile().Visible());
  EXPECT_EQ(w.txtOutFile().Text(), "site-out.csv");
  EXPECT_TRUE(w.btnPointFile().Enabled());
  EXPECT_TRUE(w.txtPointFile().Visible());
  EXPECT_FALSE(w.btnTransform().Enabled());

  ChoosePoints(Example("site-points.csv"));
  EXPECT_EQ(w.txtPointFile().Text(), "site-points.csv");
  EXPECT_TRUE(w.txtNumPoints().Visible());
  EXPECT_EQ(w.txtNumPoints().Text(), "10");
  EXPECT_TRUE(w.btnTransform().Enabled());
  EXPECT_FALSE(IsOpen<wndResults>());

  PressTransform();
  const std::string written = ReadBytes(output.Path());
  const std::vector<std::string> lines = Split(written, "\n");
  ASSERT_EQ(lines.size(), 11u) << written;  // ten lines, each ended
  const char* ids[] = {"BM1", "BM2", "MH12", "MH13", "FH4", "FH5", "TR21", "TR22", "COR1", "COR2"};
  for (std::size_t i = 0; i < 10; ++i) {
    const std::vector<std::string> fields = Split(lines[i], ", ");
    ASSERT_EQ(fields.size(), 5u) << lines[i];
    EXPECT_EQ(fields[0], ids[i]);
    for (std::size_t f = 1; f < 5; ++f) {
      const std::size_t decimals = f < 3 ? 4 : 5;
      EXPECT_EQ(fields[f].size() - fields[f].find('.') - 1, decimals) << lines[i];
    }
  }
  EXPECT_EQ(lines[10], "");
  ASSERT_TRUE(IsOpen<wndResults>());
  EXPECT_TRUE(ImplicitInstance<wndResults>().Visible());
  EXPECT_EQ(ImplicitInstance<wndResults>().Title(), "Affine Transformation");
  EXPECT_EQ(ResultsText(), written);
  EXPECT_TRUE(w.btnTransform().Enabled());  // the same points can go again
  EXPECT_TRUE(messages.texts.empty()) << Messages();
  EXPECT_EQ(dialogs.calls, (std::vector<ScriptedDialogs::Call>{
                               {"open", "", ""}, {"save", "", ""}, {"open", "", ""}}));
}

struct ModelCase {
  const char* name;
  RadioAccessor radio;
  const char* redundancy_field;
  const char* redundancy;  // of the five exact control points
  const char* report_title;
  std::vector<std::string> labels;
  const char* results_title;
};

class ModelPassTest : public WorkflowTest, public ::testing::WithParamInterface<ModelCase> {};

// Every model fits the exact control points, so every model gives the same
// output, which can be checked to the last digit.
TEST_P(ModelPassTest, EachModelReportsItsCoefficientsAndWritesTheExactPoints) {
  const ModelCase& model = GetParam();
  CompleteExactPass(model.radio);
  ASSERT_TRUE(messages.texts.empty()) << Messages();

  const TextField& field = Main().ControlAs<TextField>(model.redundancy_field);
  EXPECT_TRUE(field.Visible());
  EXPECT_EQ(field.Text(), model.redundancy);
  EXPECT_EQ(ImplicitInstance<wndParam>().Title(), model.report_title);
  const std::vector<std::string> report = Split(ReportText(), "\n");
  ASSERT_EQ(report.size(), model.labels.size() + 3) << ReportText();
  EXPECT_EQ(report[0], std::string(model.redundancy) + " degrees of freedom");
  for (std::size_t i = 0; i < model.labels.size(); ++i) {
    EXPECT_EQ(report[i + 2].rfind(model.labels[i] + "=  ", 0), 0u) << report[i + 2];
  }

  EXPECT_EQ(ReadBytes(folder.Path() / "out.csv"), kExactOutput);
  EXPECT_EQ(ImplicitInstance<wndResults>().Title(), model.results_title);
  EXPECT_EQ(ResultsText(), kExactOutput);
}

INSTANTIATE_TEST_SUITE_P(Models, ModelPassTest,
                         ::testing::Values(ModelCase{"Conformal",
                                                     &winMain::radConformal,
                                                     "txtConformDF",
                                                     "6",
                                                     "Conformal Coefficients",
                                                     {"a1", "a2", "a3", "a4"},
                                                     "Conformal Transformation"},
                                           ModelCase{"Affine",
                                                     &winMain::radAffine,
                                                     "txtAffineDF",
                                                     "4",
                                                     "Affine Coefficients",
                                                     {"a1", "a2", "a3", "a4", "a5", "a6"},
                                                     "Affine Transformation"},
                                           ModelCase{
                                               "Projective",
                                               &winMain::radProject,
                                               "txtProjectDF",
                                               "2",
                                               "Projective Coefficients",
                                               {"a1", "b1", "c1", "a2", "b2", "c2", "a3", "b3"},
                                               "Projective Transformation"}),
                         ByName());

}  // namespace
}  // namespace korvanta::testing
