#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "engine/projective_passes.h"
#include "tests/support/engine_fixture.h"
#include "toolkit/core/text.h"

namespace korvanta {
namespace {

using E = TransformEngine;

// The square (0, 0), (10, 0), (10, 10), (0, 10) and its exact projective
// image: a1 = b2 = 5/3, a3 = b3 = -1/60, the other coefficients 0.
const std::string kProjectiveSquare = "P1,0,0,0,0\nP2,20,0,10,0\nP3,25,25,10,10\nP4,0,20,0,10\n";
const std::vector<std::string> kProjectiveLabels{"a1", "b1", "c1", "a2", "b2", "c2", "a3", "b3"};
const std::string kNoConvergence = "Soution did not converge within ten iterations" +
                                   std::string(EndOfLine) + "Check your control file.";

// Within half a unit of the last of the given significant digits of expected.
void ExpectProjectiveDigits(double actual, double expected, int digits) {
  const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(expected))) - (digits - 1));
  EXPECT_NEAR(actual, expected, 0.5 * unit);
}

void ExpectProjectiveCleared() {
  for (std::int64_t i = 1; i <= 10; ++i) {
    EXPECT_EQ(E::Coeff(i, 1), 0.0) << i;
    EXPECT_EQ(E::Coeff(i, 2), 0.0) << i;
    EXPECT_EQ(E::CoeffID(i), "") << i;
  }
}

void ExpectProjectiveLabelsAndSpareRows() {
  for (std::int64_t j = 1; j <= 8; ++j) {
    EXPECT_EQ(E::CoeffID(j), kProjectiveLabels[static_cast<std::size_t>(j - 1)]);
  }
  for (std::int64_t i = 9; i <= 10; ++i) {
    EXPECT_EQ(E::CoeffID(i), "") << i;
    EXPECT_EQ(E::Coeff(i, 1), 0.0) << i;
    EXPECT_EQ(E::Coeff(i, 2), 0.0) << i;
  }
}

class ProjectiveEstimation : public testing::EngineTest {
 protected:
  bool Estimate(std::int64_t K) { return EstimateProjective(K, &passes); }

  std::vector<ProjectivePass> passes;
};

TEST_F(ProjectiveEstimation, ExactFitFromFourPointsTakesOnePass) {
  LoadControl(kProjectiveSquare);
  ASSERT_TRUE(Estimate(4)) << Messages();
  ASSERT_EQ(passes.size(), 1u);
  EXPECT_LT(std::fabs(passes[0].largest), 1e-12);
  const double expected[] = {5.0 / 3, 0, 0, 0, 5.0 / 3, 0, -1.0 / 60, -1.0 / 60};
  for (std::int64_t j = 1; j <= 8; ++j) {
    EXPECT_NEAR(E::Coeff(j, 1), expected[j - 1], 1e-12) << j;
    EXPECT_FALSE(std::isfinite(E::Coeff(j, 2))) << j;
  }
  ExpectProjectiveLabelsAndSpareRows();
  EXPECT_TRUE(messages.texts.empty());
}

TEST_F(ProjectiveEstimation, LeastSquaresFromFivePointsTakesThreePasses) {
  LoadControl(kProjectiveSquare + "P5,12,11,5,5\n");
  ASSERT_TRUE(Estimate(5)) << Messages();
  ASSERT_EQ(passes.size(), 3u);
  const double largest[] = {0.197, 0.00636, 0.000600};
  for (std::size_t p = 0; p < 3; ++p) {
    ExpectProjectiveDigits(std::fabs(passes[p].largest), largest[p], 3);
  }
  ExpectProjectiveDigits(passes[2].sigma0, 1.29039, 6);
  const double values[] = {1.77869, 0.0223520, 0.192432,   0.0637484,
                           1.75556, -0.191614, -0.0123291, -0.0152631};
  const double sds[] = {0.229680, 0.163648, 1.21621,    0.166047,
                        0.226647, 1.21686,  0.00880877, 0.00871996};
  for (std::int64_t j = 1; j <= 8; ++j) {
    SCOPED_TRACE(j);
    ExpectProjectiveDigits(E::Coeff(j, 1), values[j - 1], 6);
    ExpectProjectiveDigits(E::Coeff(j, 2), sds[j - 1], 6);
  }
  EXPECT_TRUE(messages.texts.empty());
}

TEST_F(ProjectiveEstimation, TheEngineMethodFillsValuesLabelsAndNothingElse) {
  LoadControl(kProjectiveSquare + "P5,12,11,5,5\n");
  ASSERT_TRUE(engine.ProjectiveParam(5)) << Messages();
  ExpectProjectiveDigits(E::Coeff(1, 1), 1.77869, 6);
  ExpectProjectiveLabelsAndSpareRows();
  EXPECT_TRUE(messages.texts.empty());
}

// Diverging passes run to the limit: eleven passes, one message, and the
// caller still gets the last pass's (meaningless) values to report.
TEST_F(ProjectiveEstimation, DivergingPassesRunElevenPassesAndWarnOnce) {
  LoadControl(kProjectiveSquare + "P5,100,100,5,5\n");
  EXPECT_TRUE(Estimate(5));
  ASSERT_EQ(passes.size(), 11u);
  const double largest[] = {5.83, 35.0, 700.0};
  for (std::size_t p = 0; p < 3; ++p) {
    ExpectProjectiveDigits(std::fabs(passes[p].largest), largest[p], 3);
  }
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0], kNoConvergence);
  for (std::int64_t i = 1; i <= 8; ++i) EXPECT_TRUE(std::isfinite(E::Coeff(i, 1))) << i;
  ExpectProjectiveLabelsAndSpareRows();
}

// Survey data: a 2 km site grid at x, y of a million and its UTM-like image,
// noise-free from known coefficients with a mild perspective.
TEST_F(ProjectiveEstimation, SurveyScaleReproducesItsTargets) {
  const double c[] = {0.9998, -0.0213, -445688.25, 0.0211, 1.0003, 3372901.5, 4e-9, -2.5e-9};
  const double dx[] = {0, 1800, 350, 1990, 760, 1200, 40, 1510};
  const double dy[] = {0, 120, 1700, 1950, 880, 400, 1120, 1400};
  struct Target {
    double x, y, E, N;
  };
  std::vector<Target> targets;
  std::string text;
  for (std::size_t i = 0; i < 8; ++i) {
    const double x = 1000000.0 + dx[i];
    const double y = 2000000.0 + dy[i];
    const double D = (x * c[6] + y * c[7]) + 1.0;
    targets.push_back(
        {x, y, ((x * c[0] + y * c[1]) + c[2]) / D, ((x * c[3] + y * c[4]) + c[5]) / D});
    text += "S" + std::to_string(i + 1) + "," + DoubleToString(targets.back().E) + "," +
            DoubleToString(targets.back().N) + "," + DoubleToString(x) + "," + DoubleToString(y) +
            "\n";
  }
  LoadControl(text);
  ASSERT_TRUE(Estimate(8)) << Messages();
  EXPECT_TRUE(messages.texts.empty()) << Messages();
  const auto k = [](std::int64_t j) { return E::Coeff(j, 1); };
  for (const auto& t : targets) {
    const double D = (t.x * k(7) + t.y * k(8)) + 1.0;
    EXPECT_NEAR(((t.x * k(1) + t.y * k(2)) + k(3)) / D, t.E, 1e-6);
    EXPECT_NEAR(((t.x * k(4) + t.y * k(5)) + k(6)) / D, t.N, 1e-6);
  }
  EXPECT_NEAR(k(7), c[6], 1e-5 * std::fabs(c[6]));
  EXPECT_NEAR(k(8), c[7], 1e-5 * std::fabs(c[7]));
}

// A fifth point far off the model of the other four: the passes stay well
// posed but their corrections do not fall below the threshold.
struct ProjectiveSlowCase {
  const char* name;
  std::string fifth;
  bool last_below_threshold;
};

class ProjectiveNonConvergence : public ProjectiveEstimation,
                                 public ::testing::WithParamInterface<ProjectiveSlowCase> {};

TEST_P(ProjectiveNonConvergence, RunsElevenPassesWarnsOnceAndKeepsTheValues) {
  LoadControl(kProjectiveSquare + GetParam().fifth);
  ASSERT_TRUE(Estimate(5)) << Messages();
  ASSERT_EQ(passes.size(), 11u);
  for (std::size_t p = 0; p < 10; ++p) EXPECT_GE(std::fabs(passes[p].largest), 0.001) << p;
  EXPECT_EQ(std::fabs(passes[10].largest) < 0.001, GetParam().last_below_threshold);
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0], kNoConvergence);
  for (std::int64_t j = 1; j <= 8; ++j) {
    EXPECT_TRUE(std::isfinite(E::Coeff(j, 1))) << j;
    EXPECT_NE(E::Coeff(j, 1), 0.0) << j;
  }
  ExpectProjectiveLabelsAndSpareRows();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProjectiveNonConvergence,
    ::testing::Values(ProjectiveSlowCase{"Oscillating", "P5,-40,-25,5,5\n", false},
                      ProjectiveSlowCase{"BelowTheThresholdOnlyInTheEleventhPass", "P5,-40,0,5,5\n",
                                         true}),
    [](const auto& param_info) { return std::string(param_info.param.name); });

struct ProjectiveStopCase {
  std::int64_t k;
  double largest;
  bool ends;
};

class ProjectivePassesEnd : public ::testing::TestWithParam<ProjectiveStopCase> {};

TEST_P(ProjectivePassesEnd, OnTheThresholdOrPastTheLimit) {
  const auto& c = GetParam();
  EXPECT_EQ(PassesEnd(c.k, c.largest), c.ends) << c.k << " " << c.largest;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProjectivePassesEnd,
    ::testing::Values(ProjectiveStopCase{1, 0.001, false}, ProjectiveStopCase{1, -0.001, false},
                      ProjectiveStopCase{1, std::nextafter(0.001, 0.0), true},
                      ProjectiveStopCase{1, -0.0005, true}, ProjectiveStopCase{1, 0.0, true},
                      ProjectiveStopCase{1, std::numeric_limits<double>::infinity(), false},
                      ProjectiveStopCase{10, 0.5, false}, ProjectiveStopCase{10, 0.0009, true},
                      ProjectiveStopCase{11, 0.5, true}, ProjectiveStopCase{11, 0.0, true}));

TEST(ProjectiveLargestCorrection, KeepsTheFirstOfEqualSizeAndIgnoresNaN) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    std::vector<double> corrections;
    double largest;
  };
  const Case cases[] = {{{0.1, -0.3, 0.3}, -0.3}, {{0.3, -0.3}, 0.3}, {{nan, 0.2, nan}, 0.2},
                        {{nan, nan}, 0.0},        {{0.0, 0.0}, 0.0},  {{1.0, -inf, 2.0}, -inf}};
  for (const auto& c : cases) {
    DoubleArray2 X(8, 2);
    const auto n = static_cast<std::int64_t>(c.corrections.size());
    for (std::int64_t j = 1; j <= n; ++j) X(j, 1) = c.corrections[static_cast<std::size_t>(j - 1)];
    X(n + 1, 1) = 99.0;  // beyond n: not looked at
    EXPECT_EQ(LargestCorrection(X, n), c.largest);
  }
}

struct ProjectiveRefusal {
  const char* name;
  std::string control;
  std::int64_t K;
  std::string message;
};

class ProjectiveRefusals : public ProjectiveEstimation,
                           public ::testing::WithParamInterface<ProjectiveRefusal> {};

TEST_P(ProjectiveRefusals, ShowOneMessageAndLeaveTheCoefficientsCleared) {
  const auto& c = GetParam();
  LoadControl(c.control);
  EXPECT_FALSE(engine.ProjectiveParam(c.K));
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0], c.message);
  ExpectProjectiveCleared();
}

std::string ProjectiveGrid(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) {
    text += "G" + std::to_string(i) + "," + std::to_string(i * 10) + "," + std::to_string(i * 7) +
            "," + std::to_string(i) + "," + std::to_string(i * i % 11) + "\n";
  }
  return text;
}

const std::string kUnsolvable = "Cannot estimate the Projective solution: ";

INSTANTIATE_TEST_SUITE_P(
    Cases, ProjectiveRefusals,
    ::testing::Values(
        ProjectiveRefusal{"ElevenPoints", ProjectiveGrid(12), 11,
                          "The Projective solution can use at most 10 control points; the count "
                          "field asks for 11."},
        ProjectiveRefusal{"MoreThanRead", kProjectiveSquare + "P5,12,11,5,5\n", 6,
                          "The Projective solution needs 6 control points, but the control file "
                          "holds 5 control points."},
        ProjectiveRefusal{
            "FewerThanFour", kProjectiveSquare, 3,
            kUnsolvable + "it needs at least 4 control points; the count field asks for 3."},
        ProjectiveRefusal{
            "CoincidentAmongTheFirstFour", "A,0,0,0,0\nB,1,0,10,0\nC,2,2,10,10\nD,3,3,10,0\n", 4,
            kUnsolvable + "control point 2 (B) and control point 4 (D) have the same x, y."},
        ProjectiveRefusal{
            "CoincidentBeyondTheFirstFour", kProjectiveSquare + "P5,12,11,5,5\nP6,26,24,10,10\n", 6,
            kUnsolvable + "control point 3 (P3) and control point 6 (P6) have the same x, y."},
        ProjectiveRefusal{"ThreeOfTheFirstFourOnOneLine",
                          "A,0,0,0,0\nB,10,0,10,0\nC,5,5,5,5\nD,10,10,10,10\nE,3,7,2,8\n", 5,
                          kUnsolvable +
                              "control point 1 (A), control point 3 (C) and control point 4 (D) "
                              "lie on one line in x, y; the first 4 control points give its "
                              "initial values, and no three of them may."},
        ProjectiveRefusal{"OnOneLineAtSurveyScale",
                          "A,1,1,431250.1,5401730.2\nB,2,2,431900.5,5401100.7\n"
                          "C,3,3,431251.1,5401732.2\nD,4,4,431252.1,5401734.2\n",
                          4,
                          kUnsolvable +
                              "control point 1 (A), control point 3 (C) and control point 4 (D) "
                              "lie on one line in x, y; the first 4 control points give its "
                              "initial values, and no three of them may."},
        ProjectiveRefusal{
            "AllTargetsAtOnePlace", "A,5,5,0,0\nB,5,5,10,0\nC,5,5,10,10\nD,5,5,0,10\n", 4,
            kUnsolvable + "control points 1 to 4, which give its initial values, do not "
                          "determine it uniquely."},
        // x + y = 60 is where the square's model has D = 1 - (x + y) / 60 = 0.
        ProjectiveRefusal{
            "ZeroDenominator", kProjectiveSquare + "P5,12,11,30,30\n", 5,
            kUnsolvable + "in pass 1, D = a3*x + b3*y + 1 is zero at control point 5 (P5)."},
        // Three targets on one line fit only a model that sends the fourth
        // point to infinity.
        ProjectiveRefusal{
            "ThreeTargetsOnOneLine", "A,0,0,0,0\nB,10,0,10,0\nC,20,0,10,10\nD,0,20,0,10\n", 4,
            kUnsolvable + "in pass 1, D = a3*x + b3*y + 1 is zero at control point 4 (D)."}),
    [](const auto& param_info) { return std::string(param_info.param.name); });

}  // namespace
}  // namespace korvanta
