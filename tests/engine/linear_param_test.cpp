#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tests/support/case_names.h"
#include "tests/support/engine_fixture.h"
#include "toolkit/core/text.h"

namespace korvanta {
namespace {

using testing::PrintTo;

using LinearParam = testing::EngineTest;
using E = TransformEngine;

struct Xy {
  double x;
  double y;
};

// A control file whose E, N follow exactly from x, y, written with the
// shortest round-trip texts so the file itself adds no noise.
template <typename Model>
std::string ControlText(const std::vector<Xy>& points, Model model) {
  std::string text;
  int id = 0;
  for (const auto& p : points) {
    const auto [e, n] = model(p.x, p.y);
    text += "P" + std::to_string(++id) + "," + DoubleToString(e) + "," + DoubleToString(n) + "," +
            DoubleToString(p.x) + "," + DoubleToString(p.y) + "\n";
  }
  return text;
}

void ExpectCleared(std::int64_t from) {
  for (std::int64_t i = from; i <= 10; ++i) {
    EXPECT_EQ(E::Coeff(i, 1), 0.0) << i;
    EXPECT_EQ(E::Coeff(i, 2), 0.0) << i;
    EXPECT_EQ(E::CoeffID(i), "") << i;
  }
}

const std::vector<Xy> kThree{{1, 0}, {0, 1}, {2, 3}};
const auto kConformalExact = [](double x, double y) {
  return std::pair{2 * x - 3 * y + 100, 3 * x + 2 * y + 200};
};

TEST_F(LinearParam, ConformalExactFromThreePoints) {
  LoadControl(ControlText(kThree, kConformalExact));
  ASSERT_TRUE(engine.ConformalParam(3));
  const double expected[] = {2, 3, 100, 200};
  for (int i = 1; i <= 4; ++i) {
    EXPECT_NEAR(E::Coeff(i, 1), expected[i - 1], 1e-12);
    EXPECT_LT(std::fabs(E::Coeff(i, 2)), 1e-12);
    EXPECT_EQ(E::CoeffID(i), "a" + std::to_string(i));
  }
  ExpectCleared(5);
  EXPECT_TRUE(messages.texts.empty());
}

TEST_F(LinearParam, ConformalLeastSquaresWithTheThirdEastingRaised) {
  LoadControl("P1,102,203,1,0\nP2,97,202,0,1\nP3,96,212,2,3\n");
  ASSERT_TRUE(engine.ConformalParam(3));
  const double values[] = {2.15, 2.75, 99.85, 200.05};
  const double sds[] = {0.0866025, 0.0866025, 0.1936492, 0.1936492};
  for (int i = 1; i <= 4; ++i) {
    EXPECT_NEAR(E::Coeff(i, 1), values[i - 1], 1e-12);
    EXPECT_NEAR(E::Coeff(i, 2), sds[i - 1], 1e-7);
  }
}

TEST_F(LinearParam, ConformalSignConvention) {
  // x = 0, y = 1 contributes -a2 to E and +a1 to N.
  LoadControl("A,100,200,0,0\nB,97,202,0,1\n");
  ASSERT_TRUE(engine.ConformalParam(2));
  EXPECT_NEAR(E::Coeff(1, 1), 2, 1e-12);
  EXPECT_NEAR(E::Coeff(2, 1), 3, 1e-12);
}

TEST_F(LinearParam, ZeroRedundancyGivesExactValuesAndNonFiniteDeviations) {
  LoadControl(ControlText({{1, 0}, {0, 1}}, kConformalExact));
  ASSERT_TRUE(engine.ConformalParam(2));
  for (int i = 1; i <= 4; ++i) EXPECT_FALSE(std::isfinite(E::Coeff(i, 2)));
  EXPECT_NEAR(E::Coeff(3, 1), 100, 1e-12);

  LoadControl(ControlText(kThree, kConformalExact));
  ASSERT_TRUE(engine.AffineParam(3));
  for (int i = 1; i <= 6; ++i) EXPECT_FALSE(std::isfinite(E::Coeff(i, 2)));
}

TEST_F(LinearParam, AffineRecoversItsCoefficientsAndLabels) {
  const auto affine = [](double x, double y) {
    return std::pair{1.5 * x - 0.25 * y + 10, 0.5 * x + 2 * y - 20};
  };
  LoadControl(ControlText({{0, 0}, {10, 0}, {10, 10}, {0, 10}, {5, 3}}, affine));
  ASSERT_TRUE(engine.AffineParam(5));
  const double expected[] = {1.5, -0.25, 10, 0.5, 2, -20};
  for (int i = 1; i <= 6; ++i) {
    EXPECT_NEAR(E::Coeff(i, 1), expected[i - 1], 1e-12);
    EXPECT_EQ(E::CoeffID(i), "a" + std::to_string(i));
  }
  ExpectCleared(7);
}

TEST_F(LinearParam, UsesOnlyTheFirstKPoints) {
  LoadControl(ControlText(kThree, kConformalExact) + "P4,0,0,7,7\n");
  ASSERT_TRUE(engine.ConformalParam(3));
  EXPECT_NEAR(E::Coeff(3, 1), 100, 1e-12);
}

// Noise-free survey data: a site grid and its UTM-like image, both with
// coordinates of UTM size. The normal equations lose centimetres here; the
// column-scaled QR must not.
class SurveyScale : public testing::EngineTest {
 protected:
  static std::vector<Xy> Site() {
    std::vector<Xy> points;
    const double dx[] = {0, 1800, 350, 1990, 760, 1200, 40, 1510, 980, 1650};
    const double dy[] = {0, 120, 1700, 1950, 880, 400, 1120, 1400, 1990, 760};
    for (int i = 0; i < 10; ++i) points.push_back({431250.125 + dx[i], 5401730.5 + dy[i]});
    return points;
  }
};

TEST_F(SurveyScale, ConformalReproducesItsCoefficients) {
  const double a1 = 0.99961234 * std::cos(0.0231);
  const double a2 = 0.99961234 * std::sin(0.0231);
  const double a3 = 123456.789;
  const double a4 = -9876.54321;
  const auto model = [&](double x, double y) {
    return std::pair{(a1 * x - a2 * y) + a3, (a2 * x + a1 * y) + a4};
  };
  const auto site = Site();
  LoadControl(ControlText(site, model));
  ASSERT_TRUE(engine.ConformalParam(10));
  for (const auto& p : site) {
    const auto [e, n] = model(p.x, p.y);
    const double c1 = E::Coeff(1, 1);
    const double c2 = E::Coeff(2, 1);
    EXPECT_NEAR((c1 * p.x - c2 * p.y) + E::Coeff(3, 1), e, 1e-6);
    EXPECT_NEAR((c2 * p.x + c1 * p.y) + E::Coeff(4, 1), n, 1e-6);
  }
  EXPECT_NEAR(E::Coeff(1, 1), a1, 1e-12);
  EXPECT_NEAR(E::Coeff(2, 1), a2, 1e-12);
}

TEST_F(SurveyScale, AffineReproducesItsCoefficients) {
  const double c[] = {0.9994321, -0.0231456, 98765.4321, 0.0229876, 1.0003456, -45678.125};
  const auto model = [&](double x, double y) {
    return std::pair{(c[0] * x + c[1] * y) + c[2], (c[3] * x + c[4] * y) + c[5]};
  };
  const auto site = Site();
  LoadControl(ControlText(site, model));
  ASSERT_TRUE(engine.AffineParam(10));
  for (const auto& p : site) {
    const auto [e, n] = model(p.x, p.y);
    EXPECT_NEAR((E::Coeff(1, 1) * p.x + E::Coeff(2, 1) * p.y) + E::Coeff(3, 1), e, 1e-6);
    EXPECT_NEAR((E::Coeff(4, 1) * p.x + E::Coeff(5, 1) * p.y) + E::Coeff(6, 1), n, 1e-6);
  }
  for (int i = 0; i < 6; ++i) {
    EXPECT_NEAR(E::Coeff(i + 1, 1), c[i], 1e-9 * std::max(1.0, std::fabs(c[i])));
  }
}

struct Refusal {
  const char* name;
  std::string control;
  bool affine;
  std::int64_t K;
  std::string message;
};

class Refusals : public testing::EngineTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(Refusals, ShowOneMessageAndLeaveTheCoefficientsCleared) {
  const Refusal& c = GetParam();
  LoadControl(c.control);
  const bool solved = c.affine ? engine.AffineParam(c.K) : engine.ConformalParam(c.K);
  EXPECT_FALSE(solved);
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0], c.message);
  ExpectCleared(1);
}

std::string Grid(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) {
    text += "G" + std::to_string(i) + "," + std::to_string(i * 10) + "," + std::to_string(i * 7) +
            "," + std::to_string(i) + "," + std::to_string(i * i % 11) + "\n";
  }
  return text;
}

const std::string kFarFromTheOrigin =
    "A,100,200,1e15,1e15\nB,1100,200,1000000000001000,1e15\n"
    "C,1100,1200,1000000000001000,1000000000001000\nD,100,1200,1e15,1000000000001000\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, Refusals,
    ::testing::Values(
        Refusal{"ElevenPoints", Grid(12), false, 11,
                "The Conformal solution can use at most 10 control points, the most one "
                "estimation takes; the count field asks for 11."},
        Refusal{"MoreThanRead", Grid(3), true, 5,
                "The Affine solution can use at most 3 control points, the number the "
                "control file holds; the count field asks for 5."},
        Refusal{"TwoAtOnePlace", "A,1,1,5,5\nB,2,2,5,5\n", false, 2,
                "Cannot estimate the Conformal solution: control point 1 (A) and control point 2 "
                "(B) have the same x, y; it needs control points at two different places."},
        Refusal{"AllAtOnePlace", "A,1,1,5,5\nB,2,2,5,5\nC,3,3,5,5\n", false, 3,
                "Cannot estimate the Conformal solution: all 3 control points have the same x, y; "
                "it needs control points at two different places."},
        Refusal{"AllAtOnePlaceForAffine", "A,1,1,5,5\nB,2,2,5,5\nC,3,3,5,5\n", true, 3,
                "Cannot estimate the Affine solution: all 3 control points have the same x, y; it "
                "needs points that span an area."},
        Refusal{"RepeatedPointsOnOneLine", "A,1,1,0,0\nB,2,2,1,1\nC,3,3,0,0\nD,4,4,1,1\n", true, 4,
                "Cannot estimate the Affine solution: all 4 control points lie on one line in x, "
                "y; it needs points that span an area."},
        // The squares of the residuals exceed the range of doubles.
        Refusal{"BeyondTheRangeOfDoubles",
                "A,1e307,5e306,0,0\nB,2e307,7e306,1,0\nC,3.5e307,9.1e306,2,1\n", false, 3,
                "Cannot estimate the Conformal solution: the computation goes beyond the range of "
                "doubles (about 1.8e+308); the largest of its coordinates is E of control point 3 "
                "(C), 3.5e+307."},
        // A kilometre square at 1e15 from the origin, where doubles step by
        // 0.125: the columns of the design agree to 1e-12.
        Refusal{"SpreadTooSmallForItsDistance", kFarFromTheOrigin, true, 4,
                "Cannot estimate the Affine solution: its control points spread only 707.107 in x, "
                "y, at 1.41421e+15 from the origin: the 16 digits of a double cannot resolve them "
                "there. Subtract a common offset from x, y in the control and points files."},
        Refusal{"AffineCollinear", "A,1,1,0,0\nB,2,2,1,1\nC,3,3,2,2\nD,4,4,3.5,3.5\n", true, 4,
                "Cannot estimate the Affine solution: all 4 control points lie on one line in x, "
                "y; it needs points that span an area."},
        Refusal{"CollinearAtSurveyScale",
                "A,1,1,431250.1,5401730.2\nB,2,2,431251.1,5401732.2\nC,3,3,431252.1,5401734.2\n",
                true, 3,
                "Cannot estimate the Affine solution: all 3 control points lie on one line in x, "
                "y; it needs points that span an area."},
        Refusal{"NoPoints", Grid(3), false, 0, "Insuffucuent control for Conformal solution."},
        Refusal{"BelowTheMinimum", Grid(3), true, 2, "Insuffucuent control for Affine solution."}),
    testing::ByName());

// One point observed twice (E and E2) is an observation like any other: the
// adjustment is determined, with the redundancy 2K - n. Exact least squares
// (mpmath at 60 digits, normal equations on the binary values of the file)
// gives the figures below.
const std::string kRepeatedPoint =
    "A,1002.10,2003.40,0,0\nB,1101.95,2001.20,100,0\nC,1104.30,2102.65,100,100\n"
    "D,1000.85,2100.10,0,100\nE,1051.40,2051.75,50,50\nE2,1051.46,2051.69,50,50\n";

TEST_F(LinearParam, ARepeatedPointIsEstimatedLikeAnyOther) {
  LoadControl(kRepeatedPoint);
  ASSERT_TRUE(engine.AffineParam(6)) << Messages();
  const double affine[][2] = {
      {1.0164999999999998, 0.012852907150610962},  {0.0054999999999995453, 0.012852907150610962},
      {1000.9100000000001, 1.0494354743455372},    {0.0017500000000006821, 0.012852907150610962},
      {0.99074999999999932, 0.012852907150610962}, {2002.1733333333334, 1.0494354743455372}};
  for (int i = 1; i <= 6; ++i) {
    EXPECT_NEAR(E::Coeff(i, 1), affine[i - 1][0], 1e-12 * std::max(1.0, affine[i - 1][0])) << i;
    EXPECT_NEAR(E::Coeff(i, 2), affine[i - 1][1], 1e-12 * affine[i - 1][1]) << i;
  }
  ASSERT_TRUE(engine.ConformalParam(6)) << Messages();
  const double conformal[][2] = {{1.0036249999999995, 0.0091821696555517713},
                                 {-0.0018749999999994316, 0.0091821696555517713},
                                 {1001.7350000000001, 0.83821357453085773},
                                 {2001.7108333333334, 0.83821357453085773}};
  for (int i = 1; i <= 4; ++i) {
    EXPECT_NEAR(E::Coeff(i, 1), conformal[i - 1][0], 1e-12 * std::max(1.0, conformal[i - 1][0]))
        << i;
    EXPECT_NEAR(E::Coeff(i, 2), conformal[i - 1][1], 1e-12 * conformal[i - 1][1]) << i;
  }
  EXPECT_TRUE(messages.texts.empty()) << Messages();
}

TEST_F(LinearParam, CollinearPointsStillServeTheConformalModel) {
  LoadControl("A,0,0,0,0\nB,2,3,1,0\nC,4,6,2,0\n");
  EXPECT_TRUE(engine.ConformalParam(3));
  EXPECT_TRUE(messages.texts.empty());
}

}  // namespace
}  // namespace korvanta

namespace korvanta {
namespace {

TEST_F(LinearParam, TheExampleControlFileFitsToMillimetres) {
  engine.ControlFile = FolderItem(KORVANTA_SOURCE_DIR "/examples/site-control.csv");
  ASSERT_EQ(engine.ReadControl(), 6);
  ASSERT_TRUE(engine.ConformalParam(6));
  EXPECT_NEAR(E::Coeff(1, 1), 0.99962 * std::cos(0.0302291), 1e-5);
  for (int i = 1; i <= 4; ++i) EXPECT_LT(E::Coeff(i, 2), 0.05) << i;
  ASSERT_TRUE(engine.AffineParam(6));
  EXPECT_TRUE(messages.texts.empty()) << Messages();
}

}  // namespace
}  // namespace korvanta
