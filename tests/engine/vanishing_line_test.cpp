// Points that a projective fit sends to or beyond infinity are written as
// every other point, and then named.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "engine/vanishing_line.h"
#include "tests/support/case_names.h"
#include "tests/support/engine_fixture.h"

namespace korvanta {
namespace {

using testing::PrintTo;

// Exact data of E = x / D, N = y / D with D = 0.5x + 0.25y + 1 (a1 = b2 = 1,
// a3 = 0.5, b3 = 0.25, the rest 0): D is 1, 2, 2, 4, 5 and 4 at the six
// points, so every E and N is a short decimal. The first four give the
// initial values exactly, and the passes end at once.
const std::string kPositiveSide =
    "C1,0,0,0,0\nC2,1,0,2,0\nC3,0,2,0,4\nC4,1,1,4,4\nC5,1.2,0.8,6,4\nC6,0,3,0,12\n";
// The same kind of site under D = -0.5x + 0.25y + 1, which is -1, -2, -2,
// -1, -2 and -5 at its points: every control point lies where D < 0.
const std::string kNegativeSide =
    "N1,-4,0,4,0\nN2,-3,0,6,0\nN3,-4,-2,8,4\nN4,-6,-4,6,4\nN5,-5,-4,10,8\nN6,-2.4,0,12,0\n";

struct VanishingCase {
  const char* name;
  std::string control;
  std::string points;
  std::vector<std::string> messages;
};

const std::string kLie =
    " on or beyond the vanishing line of the projective fit, where a3*x + b3*y + 1 is zero or "
    "has the other sign than at the control points; E and N mean nothing there: ";

class VanishingLineTest : public testing::EngineTest,
                          public ::testing::WithParamInterface<VanishingCase> {};

TEST_P(VanishingLineTest, EveryPointIsWrittenAndThoseOnOrBeyondTheLineAreNamed) {
  const VanishingCase& c = GetParam();
  LoadControl(c.control);
  LoadPoints(c.points);
  const auto lines = static_cast<std::int64_t>(std::count(c.points.begin(), c.points.end(), '\n'));
  engine.OutputFile = folder.Item("out.csv");
  ASSERT_TRUE(engine.ProjectiveParam(6)) << Messages();
  ASSERT_TRUE(messages.texts.empty()) << Messages();
  engine.ProjectiveTrans(lines);
  EXPECT_EQ(messages.texts, c.messages);
  const std::string written = testing::ReadBytes(folder.Path() / "out.csv");
  EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VanishingLineTest,
    ::testing::Values(
        // D = 1.75, 0.5 and 26: on the control points' side, however far.
        VanishingCase{"NoneBeyond", kPositiveSide, "Q1,1,1\nQ2,-1,0\nQ3,40,20\n", {}},
        // (-1, -2) lies on the line: in doubles its E comes out near 1e16.
        VanishingCase{"OnTheLine",
                      kPositiveSide,
                      "Q1,1,1\nV,-1,-2\n",
                      {"1 point lies" + kLie + "V (line 2)."}},
        // (-2, -2) has D = -0.5: finite numbers, beyond the horizon.
        VanishingCase{"BeyondAndUnnamed",
                      kPositiveSide,
                      "B,-2,-2\n,-4,0\n",
                      {"2 points lie" + kLie + "B (line 1), line 2."}},
        VanishingCase{"FiveNamedThenTheCount",
                      kPositiveSide,
                      "Q1,1,1\nB1,-2,-2\nB2,-4,0\nQ2,2,2\nB3,0,-8\nV,-1,-2\nB4,-10,-10\nB5,-3,"
                      "0\nB6,-2,-3\n",
                      {"7 points lie" + kLie +
                       "B1 (line 2), B2 (line 3), B3 (line 5), V (line 6), B4 (line 7) and 2 "
                       "more."}},
        // Where the control points lie at D < 0, D > 0 is beyond: (0, 0)
        // with D = 1; (8, 0) with D = -3 is not.
        VanishingCase{"ControlPointsWhereDIsNegative",
                      kNegativeSide,
                      "O,0,0\nP,8,0\n",
                      {"1 point lies" + kLie + "O (line 1)."}}),
    testing::ByName());

// The other models have no vanishing line.
TEST_F(VanishingLineTest, ConformalAndAffineNeverNameAPoint) {
  LoadControl(kPositiveSide);
  LoadPoints("V,-1,-2\nB,-2,-2\n");
  engine.OutputFile = folder.Item("out.csv");
  ASSERT_TRUE(engine.ConformalParam(6));
  engine.ConformalTrans(2);
  ASSERT_TRUE(engine.AffineParam(6));
  engine.AffineTrans(2);
  EXPECT_TRUE(messages.texts.empty()) << Messages();
}

TEST(DenominatorSide, TheLineHoldsWithinTheRoundingOfItsTerms) {
  EXPECT_EQ(DenominatorSide(0.5, 0.25, -1, -2), 0);
  // A rounding off from the exact coefficients still lies on the line.
  EXPECT_EQ(DenominatorSide(0.5000000000000001, 0.25, -1, -2), 0);
  EXPECT_EQ(DenominatorSide(0.5, 0.25, -1, -1.999999), 1);
  EXPECT_EQ(DenominatorSide(0.5, 0.25, -2, -2), -1);
  EXPECT_EQ(DenominatorSide(0, 0, 1e300, 1e300), 1);
}

}  // namespace
}  // namespace korvanta
