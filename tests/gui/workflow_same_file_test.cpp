// One file cannot be both an input in use and the output file: each
// transformation writes the output anew, over the control points or the
// points it reads. Whichever is chosen later is refused, by any name.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/case_names.h"
#include "tests/support/workflow_fixture.h"

namespace korvanta::testing {
namespace {

using testing::PrintTo;

namespace fs = std::filesystem;

enum class Naming { kSamePath, kSymbolicLink, kHardLink };

struct SameFileCase {
  const char* name;
  PushButton& (winMain::*button)() const;
  bool save;             // the step's dialog is the save dialog
  const char* existing;  // the file in use, after a complete pass
  Naming naming;
  std::string message;
};

class SameFileTest : public WorkflowTest, public ::testing::WithParamInterface<SameFileCase> {};

TEST_P(SameFileTest, AChoiceThatMakesAnInputTheOutputIsRefusedAndChangesNothing) {
  const SameFileCase& c = GetParam();
  CompleteExactPass(&winMain::radConformal);
  ASSERT_TRUE(messages.texts.empty()) << Messages();
  const fs::path existing = folder.Path() / c.existing;
  fs::path chosen = existing;
  if (c.naming == Naming::kSymbolicLink) {
    chosen = folder.Path() / "link.csv";
    fs::create_symlink(existing, chosen);
  } else if (c.naming == Naming::kHardLink) {
    chosen = folder.Path() / "link.csv";
    fs::create_hard_link(existing, chosen);
  }
  const std::string bytes = ReadBytes(existing);
  const std::vector<std::string> before = Snapshot();

  if (c.save) {
    dialogs.AnswerSave(FolderItem(chosen));
  } else {
    dialogs.AnswerOpen(FolderItem(chosen));
  }
  (Main().*c.button)().Press();

  EXPECT_EQ(messages.texts, std::vector<std::string>{c.message});
  EXPECT_EQ(Snapshot(), before);
  EXPECT_EQ(ReadBytes(existing), bytes);
  // The earlier choice still serves.
  PressTransform();
  EXPECT_EQ(ReadBytes(folder.Path() / "control.csv"), kExactControl);
  EXPECT_EQ(ReadBytes(folder.Path() / "points.csv"), kExactPoints);
  EXPECT_EQ(ReadBytes(folder.Path() / "out.csv"), kExactOutput);
}

const std::string kAnew =
    ", and a transformation writes the output file anew. Choose another file.";

INSTANTIATE_TEST_SUITE_P(
    Choices, SameFileTest,
    ::testing::Values(
        SameFileCase{"OutputIsTheControlFile", &winMain::btnOutFile, true, "control.csv",
                     Naming::kSamePath,
                     "\"control.csv\" cannot be the output file: it is the same file as the "
                     "control file \"control.csv\"" +
                         kAnew},
        SameFileCase{"OutputIsALinkToThePointsFile", &winMain::btnOutFile, true, "points.csv",
                     Naming::kSymbolicLink,
                     "\"link.csv\" cannot be the output file: it is the same file as the points "
                     "file \"points.csv\"" +
                         kAnew},
        SameFileCase{"OutputIsAHardLinkOfTheControlFile", &winMain::btnOutFile, true, "control.csv",
                     Naming::kHardLink,
                     "\"link.csv\" cannot be the output file: it is the same file as the control "
                     "file \"control.csv\"" +
                         kAnew},
        // The output's lines have five fields: they would read as control
        // points, and as points.
        SameFileCase{"ControlIsTheOutputFile", &winMain::btnInControlFile, false, "out.csv",
                     Naming::kSamePath,
                     "\"out.csv\" cannot be the control file: it is the same file as the output "
                     "file \"out.csv\"" +
                         kAnew},
        SameFileCase{"PointsIsALinkToTheOutputFile", &winMain::btnPointFile, false, "out.csv",
                     Naming::kSymbolicLink,
                     "\"link.csv\" cannot be the points file: it is the same file as the output "
                     "file \"out.csv\"" +
                         kAnew},
        SameFileCase{"PointsIsAHardLinkOfTheOutputFile", &winMain::btnPointFile, false, "out.csv",
                     Naming::kHardLink,
                     "\"link.csv\" cannot be the points file: it is the same file as the output "
                     "file \"out.csv\"" +
                         kAnew}),
    ByName());

// A control file and a points file may be one file; only the output may not
// be either.
TEST_F(SameFileTest, TheInputsMayBeOneFile) {
  CompleteExactPass(&winMain::radConformal);
  const FolderItem both = Write("both.csv", kExactControl);
  ChooseControl(both);
  ChoosePoints(both);
  EXPECT_TRUE(messages.texts.empty()) << Messages();
  EXPECT_EQ(Main().txtNumPoints().Text(), "5");
}

}  // namespace
}  // namespace korvanta::testing
