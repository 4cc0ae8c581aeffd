#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "engine/projective_passes.h"
#include "tests/support/case_names.h"
#include "tests/support/engine_fixture.h"
#include "toolkit/core/text.h"

namespace korvanta {
namespace {

using testing::PrintTo;

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

// Survey sites far from the source origin with centimetre noise, K = 10: a
// 2 km site at x ~ 512 000, y ~ 5 401 000, a 1 km site at 1e7 and a 50 m
// site at 1e6 (whose first four points doubles took for dependent), all onto
// UTM-like targets with a mild perspective. Exact arithmetic (mpmath at 80
// digits, the same at 120: the same unknowns, equations, threshold and limit,
// each adjustment by column-scaled normal equations on the binary values of
// the file) ends after the passes given and fits the control points as
// listed. In doubles the largest correction stalls at 0.002 to 0.02 (at 1e7:
// 2 to 3) from the fifth pass on, and all eleven passes run and warn.
struct SurveySite {
  const char* name;
  std::string control;
  std::size_t passes;
  std::vector<std::pair<double, double>> fitted;
};

class ProjectiveSurveySites : public ProjectiveEstimation,
                              public ::testing::WithParamInterface<SurveySite> {};

TEST_P(ProjectiveSurveySites, ConvergeAfterTheExactPassesWithoutAWarning) {
  const SurveySite& site = GetParam();
  LoadControl(site.control);
  ASSERT_TRUE(Estimate(10)) << Messages();
  EXPECT_TRUE(messages.texts.empty()) << Messages();
  EXPECT_EQ(passes.size(), site.passes);
  const auto k = [](std::int64_t j) { return E::Coeff(j, 1); };
  for (std::int64_t u = 1; u <= 10; ++u) {
    SCOPED_TRACE(u);
    const double x = StringToDouble(E::Control(u, 4));
    const double y = StringToDouble(E::Control(u, 5));
    const double D = (x * k(7) + y * k(8)) + 1.0;
    const auto& [e, n] = site.fitted[static_cast<std::size_t>(u - 1)];
    EXPECT_NEAR(((x * k(1) + y * k(2)) + k(3)) / D, e, 1e-6);
    EXPECT_NEAR(((x * k(4) + y * k(5)) + k(6)) / D, n, 1e-6);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProjectiveSurveySites,
    ::testing::Values(SurveySite{"UtmSite",
                                 "S1,357693.694,5399344.196,512475.929,5402088.458\n"
                                 "S2,358485.326,5398389.156,513251.441,5401131.058\n"
                                 "S3,357747.064,5398723.229,512518.708,5401468.662\n"
                                 "S4,358892.653,5399215.142,513672.923,5401952.706\n"
                                 "S5,358476.184,5399997.968,513269.721,5402736.091\n"
                                 "S6,358576.746,5398386.686,513342.823,5401128.063\n"
                                 "S7,357837.812,5398316.152,512602.535,5401062.024\n"
                                 "S8,358643.697,5400020.540,513437.648,5402757.626\n"
                                 "S9,357998.828,5399860.579,512789.927,5402601.818\n"
                                 "S10,358990.376,5398456.110,513757.733,5401194.909\n",
                                 5,
                                 {{357693.69659016717, 5399344.194828848},
                                  {358485.33552890451, 5398389.1504078434},
                                  {357747.05938029628, 5398723.2289217502},
                                  {358892.65026786757, 5399215.1419575331},
                                  {358476.18649989608, 5399997.9708380529},
                                  {358576.73984282218, 5398386.6841983243},
                                  {357837.81240253276, 5398316.1563467912},
                                  {358643.69639476947, 5400020.5387318105},
                                  {357998.82683711541, 5399860.5781527992},
                                  {358990.3762556285, 5398456.1136162487}}},
                      SurveySite{"TenMillionSite",
                                 "S1,9594218.637,9980085.114,10000134.364,10000847.434\n"
                                 "S2,9594571.651,9979691.523,10000495.435,10000449.491\n"
                                 "S3,9594190.865,9979277.864,10000093.860,10000028.347\n"
                                 "S4,9594834.638,9979249.533,10000762.280,10000002.106\n"
                                 "S5,9594308.168,9980181.202,10000228.762,10000945.271\n"
                                 "S6,9594117.986,9979783.862,10000025.446,10000541.412\n"
                                 "S7,9594303.606,9979665.559,10000216.599,10000422.117\n"
                                 "S8,9594515.614,9979737.385,10000437.888,10000495.812\n"
                                 "S9,9594305.198,9979702.498,10000218.781,10000459.603\n"
                                 "S10,9594899.533,9979795.684,10000837.578,10000556.454\n",
                                 7,
                                 {{9594218.6357784574, 9980085.1106939434},
                                  {9594571.6481804757, 9979691.5147717378},
                                  {9594190.8594951983, 9979277.8664494347},
                                  {9594834.6358998454, 9979249.5299667329},
                                  {9594308.1635201881, 9980181.2034662639},
                                  {9594117.9814279631, 9979783.858471247},
                                  {9594303.6166644323, 9979665.5608653828},
                                  {9594515.6195865976, 9979737.3870884289},
                                  {9594305.2039163444, 9979702.5036995553},
                                  {9594899.5315304992, 9979795.6885272728}}},
                      SurveySite{"FiftyMetreSite",
                                 "S1,902024.425,1999783.392,1000006.718,2000042.372\n"
                                 "S2,902042.747,1999763.761,1000024.772,2000022.475\n"
                                 "S3,902023.100,1999742.458,1000004.693,2000001.417\n"
                                 "S4,902056.414,1999741.586,1000038.114,2000000.105\n"
                                 "S5,902029.048,1999788.336,1000011.438,2000047.264\n"
                                 "S6,902019.261,1999768.039,1000001.272,2000027.071\n"
                                 "S7,902028.866,1999762.201,1000010.830,2000021.106\n"
                                 "S8,902039.832,1999766.026,1000021.894,2000024.791\n"
                                 "S9,902028.949,1999764.071,1000010.939,2000022.980\n"
                                 "S10,902059.702,1999769.314,1000041.879,2000027.823\n",
                                 9,
                                 {{902024.42392344286, 1999783.3888310234},
                                  {902042.74386137089, 1999763.752659829},
                                  {902023.09462361981, 1999742.4605979177},
                                  {902056.41211058453, 1999741.5828783171},
                                  {902029.04381162031, 1999788.3373976241},
                                  {902019.25615301446, 1999768.0354248556},
                                  {902028.87715525481, 1999762.2031340277},
                                  {902039.83765440763, 1999766.0282659356},
                                  {902028.95428514963, 1999764.076182422},
                                  {902059.70042153523, 1999769.3186280478}}}),
    testing::ByName());

// A control point observed twice, after the first four: an observation like
// any other. Exact arithmetic (mpmath at 80 digits, as above) takes three
// passes to these values.
TEST_F(ProjectiveEstimation, ARepeatedPointAfterTheFirstFourIsAnObservation) {
  LoadControl(kProjectiveSquare + "P5,12,11,5,5\nP3b,25.1,24.9,10,10\n");
  ASSERT_TRUE(Estimate(6)) << Messages();
  EXPECT_TRUE(messages.texts.empty()) << Messages();
  EXPECT_EQ(passes.size(), 3u);
  const double values[] = {1.7772654323047015,   0.022042383308953862, 0.19593476360612212,
                           0.064003966295354555, 1.7568925195124373,   -0.19476978315731845,
                           -0.01237982888882639, -0.015214365859227344};
  for (std::int64_t j = 1; j <= 8; ++j) {
    EXPECT_NEAR(E::Coeff(j, 1), values[j - 1], 1e-14) << j;
  }
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
    testing::ByName());

struct ProjectiveStopCase {
  const char* name;
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
    ::testing::Values(
        ProjectiveStopCase{"FirstPassAtTheThreshold", 1, 0.001, false},
        ProjectiveStopCase{"FirstPassAtTheNegativeThreshold", 1, -0.001, false},
        ProjectiveStopCase{"FirstPassJustBelowTheThreshold", 1, std::nextafter(0.001, 0.0), true},
        ProjectiveStopCase{"FirstPassNegativeBelowTheThreshold", 1, -0.0005, true},
        ProjectiveStopCase{"FirstPassNoCorrection", 1, 0.0, true},
        ProjectiveStopCase{"FirstPassInfinite", 1, std::numeric_limits<double>::infinity(), false},
        ProjectiveStopCase{"TenthPassLarge", 10, 0.5, false},
        ProjectiveStopCase{"TenthPassBelowTheThreshold", 10, 0.0009, true},
        ProjectiveStopCase{"EleventhPassLarge", 11, 0.5, true},
        ProjectiveStopCase{"EleventhPassNoCorrection", 11, 0.0, true}),
    testing::ByName());

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

// A control point's ID reaches the message as any field of a file does:
// escapes shown as \xNN, cut to 40 bytes, so a stray binary ID can neither
// flood the message box nor send the terminal or the box its control bytes.
TEST_F(ProjectiveEstimation, ALongIdWithAnEscapeIsShownShortAndVisible) {
  const std::string id = "\x1b[31m" + std::string(4995, 'I');
  LoadControl(id + ",0,0,0,0\nB,1,0,0,0\nC,2,2,10,10\nD,3,3,10,0\n");
  EXPECT_FALSE(engine.ProjectiveParam(4));
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0],
            "Cannot estimate the Projective solution: control point 1 (\\x1B[31m" +
                std::string(35, 'I') +
                "...) and control point 2 (B) have the same x, y; the first 4 control points "
                "give its initial values, and no two of them may.");
  EXPECT_EQ(messages.texts[0].find('\x1b'), std::string::npos);
  ExpectProjectiveCleared();
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
                          "The Projective solution can use at most 10 control points, the most "
                          "one estimation takes; the count field asks for 11."},
        ProjectiveRefusal{"MoreThanRead", kProjectiveSquare + "P5,12,11,5,5\n", 6,
                          "The Projective solution can use at most 5 control points, the number "
                          "the control file holds; the count field asks for 6."},
        // The same message as the main window gives for the count.
        ProjectiveRefusal{"FewerThanFour", kProjectiveSquare, 3,
                          "Insuffucuent control for Projective solution."},
        ProjectiveRefusal{"CoincidentAmongTheFirstFour",
                          "A,0,0,0,0\nB,1,0,10,0\nC,2,2,10,10\nD,3,3,10,0\nE,5,5,3,7\n", 5,
                          kUnsolvable +
                              "control point 2 (B) and control point 4 (D) have the same x, y; the "
                              "first 4 control points give its initial values, and no two of them "
                              "may."},
        // E·x of the initial equations goes beyond the range of doubles.
        ProjectiveRefusal{
            "BeyondTheRangeOfDoubles", "A,0,0,0,0\nB,2e307,0,10,0\nC,25,25,10,10\nD,0,20,0,10\n", 4,
            kUnsolvable + "the computation goes beyond the range of doubles (about 1.8e+308); "
                          "the largest of its coordinates is E of control point 2 (B), 2e+307."},
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
    testing::ByName());

}  // namespace
}  // namespace korvanta
