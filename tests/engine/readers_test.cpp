#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/case_names.h"
#include "tests/support/engine_fixture.h"
#include "tests/support/special_files.h"

namespace korvanta {
namespace {

using testing::PrintTo;

using Readers = testing::EngineTest;
using E = TransformEngine;
using namespace std::string_literals;

std::string Lines(int count, const std::string& prefix, const std::string& rest) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += prefix + std::to_string(i) + rest + "\n";
  return text;
}

TEST_F(Readers, StoresEachFieldAsSplit) {
  LoadControl("P7,512.35,884.10,10.5,-3.0\nP1, 10, 20, 30, 40\nP2,1,2,3,4,extra\n");
  EXPECT_EQ(E::ControlCount, 3);
  EXPECT_EQ(E::Control(1, 1), "P7");
  EXPECT_EQ(E::Control(1, 3), "884.10");
  EXPECT_EQ(E::Control(1, 5), "-3.0");
  EXPECT_EQ(E::Control(2, 2), " 10");
  EXPECT_EQ(E::Control(2, 5), " 40");
  EXPECT_EQ(E::Control(3, 5), "4");
  EXPECT_TRUE(messages.texts.empty());
}

TEST_F(Readers, EmptyFileGivesZeroAndChangesNothing) {
  LoadControl("P1,1,2,3,4\n");
  engine.ControlFile = folder.Write("empty.csv", "");
  EXPECT_EQ(engine.ReadControl(), 0);
  EXPECT_EQ(E::Control(1, 1), "P1");
}

TEST_F(Readers, AShorterFileLeavesTheLaterRowsOfTheLongerOne) {
  LoadControl(Lines(5, "A", ",1,2,3,4"));
  LoadControl(Lines(3, "B", ",1,2,3,4"));
  EXPECT_EQ(E::ControlCount, 3);
  EXPECT_EQ(E::Control(3, 1), "B3");
  EXPECT_EQ(E::Control(4, 1), "A4");
  EXPECT_EQ(E::Control(5, 1), "A5");
}

TEST_F(Readers, FullCapacityIsRead) {
  LoadControl(Lines(25, "C", ",1,2,3,4"));
  EXPECT_EQ(E::ControlCount, 25);
  LoadPoints(Lines(50, "P", ",1,2"));
  EXPECT_EQ(E::PointCount, 50);
  EXPECT_EQ(E::Points(50, 1), "P50");
}

TEST_F(Readers, TrailingEmptyAndBlankLinesAreIgnored) {
  LoadControl("P1,1,2,3,4\r\nP2,1,2,3,4\r\n\r\n  \r\n");
  EXPECT_EQ(E::ControlCount, 2);
  LoadPoints(Lines(50, "P", ",1,2") + "\n\n");
  EXPECT_EQ(E::PointCount, 50);
}

TEST_F(Readers, ByteOrderMarkIsNotPartOfTheFirstId) {
  LoadPoints("\xEF\xBB\xBFQ1,1,2\n");
  EXPECT_EQ(E::Points(1, 1), "Q1");
}

struct BadFile {
  const char* name;
  bool control;
  std::string text;
  std::string message;
};

class BadFiles : public testing::EngineTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadFiles, AreRefusedWithOneMessageAndChangeNothing) {
  const BadFile& c = GetParam();
  LoadControl("OLD,1,2,3,4\nOLD2,1,2,3,4\n");
  LoadPoints("OLDP,1,2\n");
  const std::string file = c.control ? "bad-control.csv" : "bad-points.csv";
  std::optional<std::int64_t> count;
  if (c.control) {
    engine.ControlFile = folder.Write(file, c.text);
    count = engine.ReadControl();
  } else {
    engine.PointFile = folder.Write(file, c.text);
    count = engine.ReadPoints();
  }
  EXPECT_FALSE(count.has_value());
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0], c.message);
  EXPECT_EQ(E::ControlCount, 2);
  EXPECT_EQ(E::PointCount, 1);
  EXPECT_EQ(E::Control(1, 1), "OLD");
  EXPECT_EQ(E::Control(1, 5), "4");
  EXPECT_EQ(E::Control(3, 1), "");
  EXPECT_EQ(E::Points(1, 1), "OLDP");
  EXPECT_EQ(E::Points(2, 1), "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadFiles,
    ::testing::Values(
        BadFile{"FourFields", true, "P1,1,2,3,4\nP1,10,20,30\n",
                "Control file \"bad-control.csv\", line 2: needs 5 fields (ID, E, N, x, y) but "
                "has 4."},
        BadFile{"PointWithoutId", false, "100,200\n",
                "Points file \"bad-points.csv\", line 1: needs 3 fields (ID, x, y) but has 2."},
        BadFile{"EmptyLineInside", true, "P1,1,2,3,4\n\nP2,1,2,3,4\n",
                "Control file \"bad-control.csv\", line 2: the line is empty; only the end of the "
                "file may hold empty lines."},
        BadFile{"NotANumber", true, "P1,1,2,3,4\nP2,1,abc,3,4\n",
                "Control file \"bad-control.csv\", line 2: N is not a number: \"abc\"."},
        BadFile{"EmptyNumber", false, "P1,,2\n",
                "Points file \"bad-points.csv\", line 1: x is not a number: \"\"."},
        BadFile{"TwoPoints", true, "P1,1,2,3,1.2.3\n",
                "Control file \"bad-control.csv\", line 1: y is not a number: \"1.2.3\"."},
        BadFile{"Infinity", false, "P1,inf,2\n",
                "Points file \"bad-points.csv\", line 1: x is not a number: \"inf\"."},
        BadFile{"NaN", true, "P1,nan,2,3,4\n",
                "Control file \"bad-control.csv\", line 1: E is not a number: \"nan\"."},
        BadFile{"BeyondTheRange", false, "P1,1,2\nP2,1e400,2\n",
                "Points file \"bad-points.csv\", line 2: x is beyond the range of doubles "
                "(about 1.8e+308): \"1e400\"."},
        BadFile{"TwentySixLines", true, Lines(26, "C", ",1,2,3,4"),
                "Control file \"bad-control.csv\", line 26: more than 25 lines; Korvanta reads at "
                "most 25."},
        BadFile{"FiftyOneLines", false, Lines(51, "P", ",1,2"),
                "Points file \"bad-points.csv\", line 51: more than 50 lines; Korvanta reads at "
                "most 50."},
        BadFile{"LongFieldIsCut", false, "P1,1," + std::string(100, 'z') + "\n",
                "Points file \"bad-points.csv\", line 1: y is not a number: \"" +
                    std::string(40, 'z') + "...\"."},
        // "é" would take bytes 40 and 41.
        BadFile{"CutBeforeACharacter", false, "P1,1," + std::string(39, 'z') + "\xC3\xA9z\n",
                "Points file \"bad-points.csv\", line 1: y is not a number: \"" +
                    std::string(39, 'z') + "...\"."},
        BadFile{"ControlAndInvalidBytesShown", true, "P1,1"s + '\0' + "\x1B\xFF,2,3,4\n",
                "Control file \"bad-control.csv\", line 1: E is not a number: "
                "\"1\\x00\\x1B\\xFF\"."},
        BadFile{"Utf16WithMark", true, "\xFF\xFE" + testing::AsUtf16(false, "P1,1,2,3,4\r\n"),
                "Control file \"bad-control.csv\" is UTF-16 text; save it as UTF-8 or as plain "
                "text CSV and choose it again."},
        BadFile{"Utf16WithoutMark", false, testing::AsUtf16(true, "P1,1,2\r\n"),
                "Points file \"bad-points.csv\" is UTF-16 text; save it as UTF-8 or as plain "
                "text CSV and choose it again."},
        // A picture chosen by mistake: 2 MiB with no line end after two good lines.
        BadFile{"LineLongerThanOneMiB", false, "P1,1,2\nP2,3,4\n" + std::string(2 << 20, '\x89'),
                "Points file \"bad-points.csv\", line 3: the line is longer than 1 MiB (1048576 "
                "bytes); this is not a text file of points."}),
    testing::ByName());

TEST_F(Readers, IdIsAnyTextAndIsNotChecked) {
  LoadControl(",1,2,3,4\nnot a number,1,2,3,4\n");
  EXPECT_EQ(E::Control(1, 1), "");
  EXPECT_EQ(E::Control(2, 1), "not a number");
}

TEST_F(Readers, AFileThatVanishedIsReportedByName) {
  engine.ControlFile = folder.Item("gone.csv");
  EXPECT_FALSE(engine.ReadControl().has_value());
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0].rfind("Cannot read Control file \"gone.csv\": 2 ", 0), 0u)
      << messages.texts[0];
}

// A FIFO would hold the read until a writer came; a device may never end.
TEST_F(Readers, AFileThatIsNotARegularFileIsRefusedAtOnce) {
  LoadPoints("OLDP,1,2\n");
  testing::MakeFifo(folder.Path() / "pipe.csv");
  engine.PointFile = folder.Item("pipe.csv");
  EXPECT_FALSE(engine.ReadPoints().has_value());
  EXPECT_EQ(messages.texts,
            std::vector<std::string>{"Cannot read Points file \"pipe.csv\": it is "
                                     "not a regular file but a FIFO (named pipe)."});
  EXPECT_EQ(E::PointCount, 1);
  EXPECT_EQ(E::Points(1, 1), "OLDP");
}

TEST_F(Readers, NoFileChosenIsAMessage) {
  EXPECT_FALSE(engine.ReadPoints().has_value());
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0], "No Points file is chosen.");
}

}  // namespace
}  // namespace korvanta
