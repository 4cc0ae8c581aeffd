#include "toolkit/core/text_stream.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/temp_files.h"
#include "toolkit/core/exceptions.h"

namespace korvanta {
namespace {

std::vector<std::string> ReadAll(const FolderItem& file) {
  auto stream = TextInputStream::Open(file);
  std::vector<std::string> lines;
  while (!stream.EndOfFile()) lines.push_back(stream.ReadLine());
  stream.Close();
  return lines;
}

struct LineCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> lines;
};

class LineEnds : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineEnds, AreNotPartOfTheLine) {
  testing::TempFolder folder;
  EXPECT_EQ(ReadAll(folder.Write("f.txt", GetParam().bytes)), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LineEnds,
    ::testing::Values(LineCase{"Lf", "a\nb\n", {"a", "b"}},
                      LineCase{"CrLf", "a\r\nb\r\n", {"a", "b"}},
                      LineCase{"Cr", "a\rb\r", {"a", "b"}},
                      LineCase{"NoFinalEnd", "a\nb", {"a", "b"}},
                      LineCase{"Mixed", "a\r\nb\rc\nd", {"a", "b", "c", "d"}},
                      LineCase{"EmptyLineInside", "a\n\nb\n", {"a", "", "b"}},
                      LineCase{"EmptyFile", "", {}}, LineCase{"OnlyLineEnd", "\n", {""}},
                      LineCase{"ByteOrderMark", "\xEF\xBB\xBFP1,1\r\n", {"P1,1"}},
                      LineCase{"PartialMarkIsText", "\xEF\xBBx\n", {"\xEF\xBBx"}}),
    [](const auto& param_info) { return param_info.param.name; });

TEST(TextInputStream, NoFileIsNilObject) {
  EXPECT_THROW(TextInputStream::Open(std::nullopt), NilObjectException);
}

TEST(TextInputStream, MissingFileIsIOExceptionWithErrno) {
  testing::TempFolder folder;
  try {
    TextInputStream::Open(folder.Item("missing.txt"));
    FAIL() << "no exception";
  } catch (const IOException& e) {
    EXPECT_EQ(e.ErrorNumber(), ENOENT);
    EXPECT_FALSE(e.Message().empty());
  }
}

TEST(TextOutputStream, CreatesEmptiesAndWritesLines) {
  testing::TempFolder folder;
  const FolderItem file = folder.Write("out.txt", "old content\n");
  auto stream = TextOutputStream::Create(file);
  EXPECT_EQ(testing::ReadBytes(file.Path()), "");
  stream.WriteLine("a, 1");
  stream.WriteLine("");
  stream.Close();
  EXPECT_EQ(testing::ReadBytes(file.Path()), "a, 1\n\n");
}

TEST(TextOutputStream, FolderThatDoesNotExistIsIOException) {
  testing::TempFolder folder;
  EXPECT_THROW(TextOutputStream::Create(folder.Item("no/such/out.txt")), IOException);
  EXPECT_THROW(TextOutputStream::Create(std::nullopt), NilObjectException);
}

TEST(FolderItem, NameIsTheFileName) {
  EXPECT_EQ(FolderItem("/tmp/site/control.csv").Name(), "control.csv");
}

}  // namespace
}  // namespace korvanta
