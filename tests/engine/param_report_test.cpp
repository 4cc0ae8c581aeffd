#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "engine/param_report.h"
#include "tests/support/case_names.h"
#include "tests/support/engine_fixture.h"
#include "toolkit/core/text.h"

namespace korvanta {
namespace {

using testing::PrintTo;

using E = TransformEngine;
const std::string kPlusMinus = "\xC2\xB1";

std::vector<std::string> Lines(const std::string& text) {
  EXPECT_TRUE(text.empty() || text.back() == '\n') << "every line ends with a line end";
  return Split(text.substr(0, text.empty() ? 0 : text.size() - 1), "\n");
}

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

class ParamReport : public testing::EngineTest {
 protected:
  void Store(const std::vector<std::string>& labels, double base) {
    for (std::size_t k = 0; k < labels.size(); ++k) {
      const auto i = static_cast<std::int64_t>(k) + 1;
      E::CoeffID(i) = labels[k];
      E::Coeff(i, 1) = base + static_cast<double>(i);
      E::Coeff(i, 2) = static_cast<double>(i) / 1000.0;
    }
  }
  const testing::RecordingWindow& Window() const { return windows.param; }
};

TEST_F(ParamReport, ConformalFromFiveControlPoints) {
  LoadControl("P1,102,203,1,0\nP2,97,202,0,1\nP3,96,212,2,3\nP4,104.1,208.9,3,1\nP5,91,206,-1,2\n");
  ASSERT_TRUE(engine.ConformalParam(5)) << Messages();
  engine.ShowParam("Conform", 6, 4);

  EXPECT_EQ(Window().title, "Conformal Coefficients");
  EXPECT_TRUE(Window().visible);
  const auto lines = Lines(Window().text);
  ASSERT_EQ(lines.size(), 6u) << Window().text;
  EXPECT_EQ(lines[0], "6 degrees of freedom");
  EXPECT_EQ(lines[1], "");
  for (std::int64_t i = 1; i <= 4; ++i) {
    const std::string& line = lines[static_cast<std::size_t>(i) + 1];
    EXPECT_EQ(line, "a" + std::to_string(i) + "=  " + DoubleToString(E::Coeff(i, 1)) + "   " +
                        kPlusMinus + DoubleToString(E::Coeff(i, 2)));
    EXPECT_EQ(Count(line, "   " + kPlusMinus), 1u) << line;
  }
}

TEST_F(ParamReport, ProjectiveListsItsEightLabelsInOrder) {
  const std::vector<std::string> labels{"a1", "b1", "c1", "a2", "b2", "c2", "a3", "b3"};
  Store(labels, 0.5);
  engine.ShowParam("Project", 2, 8);
  EXPECT_EQ(Window().title, "Projective Coefficients");
  const auto lines = Lines(Window().text);
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[0], "2 degrees of freedom");
  for (std::size_t k = 0; k < labels.size(); ++k) {
    EXPECT_EQ(lines[k + 2].substr(0, 5), labels[k] + "=  ") << lines[k + 2];
  }
  EXPECT_EQ(lines[2], "a1=  1.5   " + kPlusMinus + "0.001");
  EXPECT_EQ(lines[9], "b3=  8.5   " + kPlusMinus + "0.008");
}

TEST_F(ParamReport, ZeroRedundancyShowsNonFiniteDeviationsAsText) {
  LoadControl("A,100,200,0,0\nB,97,202,0,1\n");
  ASSERT_TRUE(engine.ConformalParam(2)) << Messages();
  engine.ShowParam("Conform", 0, 4);
  const auto lines = Lines(Window().text);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], "0 degrees of freedom");
  for (std::size_t k = 2; k < 6; ++k) {
    const std::string sd = lines[k].substr(lines[k].find(kPlusMinus) + kPlusMinus.size());
    EXPECT_TRUE(sd == "NaN" || sd == "Infinity" || sd == "-Infinity") << lines[k];
  }
  EXPECT_EQ(lines[4], "a3=  " + DoubleToString(E::Coeff(3, 1)) + "   " + kPlusMinus +
                          DoubleToString(E::Coeff(3, 2)));
}

TEST_F(ParamReport, TextOfNonFiniteValues) {
  E::CoeffID(1) = "a1";
  E::Coeff(1, 1) = -std::numeric_limits<double>::infinity();
  E::Coeff(1, 2) = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(ParamReportPieces(0, 1), (std::vector<std::string>{"0 degrees of freedom\n\n",
                                                               "a1=  -Infinity   \xC2\xB1NaN\n"}));
}

// The exact calls, in order, for each key: the window is emptied, untitled
// and shown before the model's title and the report go in, and each step
// asks for the window anew.
struct KeyCase {
  const char* name;
  std::string key;
  std::string title;  // empty: no title is set
};

class ParamReportKeys : public ParamReport, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ParamReportKeys, MakeTheseCallsInThisOrder) {
  const KeyCase& c = GetParam();
  Store({"a1", "a2"}, 0);
  engine.ShowParam(c.key, 4, 2);
  std::vector<std::string> expected{"SetText()", "SetTitle()", "SetVisible(true)"};
  if (!c.title.empty()) expected.push_back("SetTitle(" + c.title + ")");
  expected.push_back("AddText(4 degrees of freedom\n\n)");
  expected.push_back("AddText(a1=  1   " + kPlusMinus + "0.001\n)");
  expected.push_back("AddText(a2=  2   " + kPlusMinus + "0.002\n)");
  EXPECT_EQ(Window().calls, expected);
  EXPECT_EQ(Window().lookups, static_cast<int>(expected.size()));
  EXPECT_EQ(Window().title, c.title);
  EXPECT_TRUE(windows.results.calls.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, ParamReportKeys,
                         ::testing::Values(KeyCase{"Conform", "Conform", "Conformal Coefficients"},
                                           KeyCase{"Affine", "Affine", "Affine Coefficients"},
                                           KeyCase{"Project", "Project", "Projective Coefficients"},
                                           KeyCase{"Unknown", "Helmert", ""},
                                           KeyCase{"OtherCase", "conform", ""},
                                           KeyCase{"Empty", "", ""}),
                         testing::ByName());

TEST_F(ParamReport, NoCoefficientsGivesOnlyTheRedundancyLines) {
  Store({"a1", "a2", "a3", "a4"}, 0);
  for (const std::int64_t n : {0, -1}) {
    engine.ShowParam("Affine", -6, n);
    EXPECT_EQ(Window().text, "-6 degrees of freedom\n\n") << n;
  }
}

TEST_F(ParamReport, ASecondReportReplacesTheFirst) {
  Store({"a1", "a2", "a3", "a4", "a5", "a6"}, 0);
  engine.ShowParam("Affine", 4, 6);
  Store({"a1", "a2", "a3", "a4"}, 10);
  engine.ShowParam("Conform", 2, 4);
  EXPECT_EQ(Window().title, "Conformal Coefficients");
  EXPECT_EQ(Lines(Window().text).size(), 6u);
  EXPECT_EQ(Lines(Window().text)[2], "a1=  11   " + kPlusMinus + "0.001");
}

}  // namespace
}  // namespace korvanta
