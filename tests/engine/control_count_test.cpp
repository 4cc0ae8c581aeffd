#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "engine/models.h"
#include "tests/support/case_names.h"
#include "tests/support/engine_fixture.h"

namespace korvanta {
namespace {

using testing::ByName;
using testing::PrintTo;

// A control file of `lines` points, none of them on one line with two
// others, so any count of them is a sound estimation.
std::string ControlLines(int lines) {
  std::string text;
  for (int i = 1; i <= lines; ++i) {
    const std::string x = std::to_string(i * 10);
    const std::string y = std::to_string(i * i % 23);
    text += "C" + std::to_string(i) + "," + x + "," + y + "," + x + "," + y + "\n";
  }
  return text;
}

struct CountCase {
  const char* name;
  const Model& model;
  int lines;  // of the control file read
  std::int64_t K;
  std::string message;
  // The count the message names, which the model then takes; none where
  // the message is the one for too few control points.
  std::optional<std::int64_t> accepted;
};

class ControlCount : public testing::EngineTest, public ::testing::WithParamInterface<CountCase> {};

// A refused count names the count that would be taken, whichever limit it
// passed: typing that count in is then accepted, not refused again.
TEST_P(ControlCount, IsRefusedWithTheMostThatCanBeUsed) {
  const CountCase& c = GetParam();
  LoadControl(ControlLines(c.lines));
  EXPECT_FALSE(AdmitsControlCount(c.model, c.K));
  EXPECT_EQ(messages.texts, std::vector<std::string>{c.message});
  if (!c.accepted) return;
  messages.texts.clear();
  EXPECT_TRUE(AdmitsControlCount(c.model, *c.accepted));
  EXPECT_EQ(messages.texts, std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Counts, ControlCount,
    ::testing::Values(
        // The count of 100 on 6 lines: the file is the limit, not one
        // estimation's 10.
        CountCase{"HundredOnSixLines", kAffine, 6, 100,
                  "The Affine solution can use at most 6 control points, the number the control "
                  "file holds; the count field asks for 100.",
                  6},
        CountCase{"JustAboveTheFile", kConformal, 6, 7,
                  "The Conformal solution can use at most 6 control points, the number the "
                  "control file holds; the count field asks for 7.",
                  6},
        CountCase{"AboveOneEstimation", kProjective, 12, 11,
                  "The Projective solution can use at most 10 control points, the most one "
                  "estimation takes; the count field asks for 11.",
                  10},
        CountCase{"HundredOnAFullFile", kAffine, 25, 100,
                  "The Affine solution can use at most 10 control points, the most one "
                  "estimation takes; the count field asks for 100.",
                  10},
        // Both limits at once: the file's is named, as it is the one the
        // user sees in the count field.
        CountCase{"AboveTenLines", kConformal, 10, 11,
                  "The Conformal solution can use at most 10 control points, the number the "
                  "control file holds; the count field asks for 11.",
                  10},
        CountCase{"LargestCount", kProjective, 25, std::numeric_limits<std::int64_t>::max(),
                  "The Projective solution can use at most 10 control points, the most one "
                  "estimation takes; the count field asks for 9223372036854775807.",
                  10},
        CountCase{"BelowTheMinimum", kProjective, 6, 3,
                  "Insuffucuent control for Projective solution.", std::nullopt},
        CountCase{"Negative", kConformal, 6, -1, "Insuffucuent control for Conformal solution.",
                  std::nullopt},
        // No count would be taken: the file holds too few for the model.
        CountCase{"FileBelowTheMinimum", kAffine, 2, 5, "Insuffucuent control for Affine solution.",
                  std::nullopt}),
    ByName());

}  // namespace
}  // namespace korvanta
