#include <gtest/gtest.h>

#include <cerrno>
#include <charconv>
#include <filesystem>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "tests/support/case_names.h"
#include "tests/support/private_mount.h"
#include "tests/support/special_files.h"
#include "tests/support/temp_files.h"
#include "tests/support/write_outcome.h"
#include "toolkit/core/atomic_file.h"

namespace korvanta {
namespace {

using testing::PrintTo;

namespace fs = std::filesystem;
using testing::SmallFileSystem;

// `count` lines of 24 characters and LF, so that a file's length in bytes
// (25 a line) and in 4 KiB pages or blocks is known.
std::vector<std::string> Lines(int count) {
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i) {
    char number[8] = "0000000";
    char* end = std::to_chars(number, number + 7, i).ptr;
    const std::string digits(number, end);
    lines.push_back("P" + std::string(5 - digits.size(), '0') + digits + ", 100.0000, 200.00");
  }
  return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const auto& line : lines) bytes += line + "\n";
  return bytes;
}

// The content as a test compares it: "earlier" or "new" where it is one of
// the two, else its length and end, so that a failure shows what became of
// the file without pages of lines.
std::string Named(const std::string& content, const std::string& earlier, const std::string& now) {
  if (content == earlier) return "earlier";
  if (content == now) return "new";
  const std::size_t end = content.size() > 16 ? content.size() - 16 : 0;
  return std::to_string(content.size()) + " bytes ending \"" + content.substr(end) + "\"";
}

// The folder's entries (see FolderState), each file's content named.
std::string NamedState(const fs::path& folder, const std::string& earlier, const std::string& now) {
  std::string state;
  for (std::string entry : testing::FolderState(folder)) {
    const std::size_t content = entry.find(": ", entry.find(": ") + 2);
    if (content != std::string::npos) {
      entry.replace(content + 2, std::string::npos, Named(entry.substr(content + 2), earlier, now));
    }
    state += "\n" + entry;
  }
  return state;
}

struct FullDiskCase {
  const char* name;
  bool second_name;  // a hard link, so that the file is written in place
  int earlier_lines;
  int new_lines;
  std::string outcome;
  std::string content;  // of every name afterwards: "earlier" or "new"
};

// A file system with no room left but what the earlier output itself holds:
// the file keeps every byte of its earlier content, or holds the new lines
// whole; a failure says the file is as it was; no temporary file stays.
class ReplaceFileLinesOnAFullDisk
    : public ::testing::TestWithParam<std::tuple<SmallFileSystem, FullDiskCase>> {};

TEST_P(ReplaceFileLinesOnAFullDisk, LeavesTheEarlierFileWholeOrWritesTheNewOneWhole) {
  const SmallFileSystem kind = std::get<0>(GetParam());
  const FullDiskCase& c = std::get<1>(GetParam());
  testing::TempFolder folder;
  const fs::path disk = folder.Path() / "disk";
  fs::create_directory(disk);
  const std::string earlier = Joined(Lines(c.earlier_lines));
  const std::vector<std::string> lines = Lines(c.new_lines);
  ASSERT_EQ(earlier.size(), 25u * static_cast<unsigned>(c.earlier_lines));

  const std::string report = testing::OnPrivateMount(disk, kind, [&] {
    const fs::path out = disk / "out";
    fs::create_directory(out);
    // Written, and synced, as the earlier transformation left it.
    ReplaceFileLines(FolderItem(out / "out.txt"), Lines(c.earlier_lines));
    if (c.second_name) fs::create_hard_link(out / "out.txt", out / "other.txt");
    if (const int error = testing::FillFileSystem(disk / "filler"); error != ENOSPC) {
      return "the file system did not fill up: " + std::to_string(error);
    }
    const std::string outcome =
        testing::Outcome([&] { ReplaceFileLines(FolderItem(out / "out.txt"), lines); });
    return outcome + NamedState(out, earlier, Joined(lines));
  });
  if (report.starts_with(testing::kCannotMount)) GTEST_SKIP() << report;

  const std::string names = c.second_name ? " with 2 names: " : ": ";
  std::string expected = c.outcome;
  if (c.second_name) expected += "\nother.txt: file" + names + c.content;
  expected += "\nout.txt: file" + names + c.content;
  EXPECT_EQ(report, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceFileLinesOnAFullDisk,
    ::testing::Combine(::testing::Values(SmallFileSystem::kTmpfs, SmallFileSystem::kExt4),
                       ::testing::Values(
                           // 1,000 bytes in one page become 25,000 in seven: no room for them.
                           FullDiskCase{"InPlaceLargerThanTheRoomLeft", true, 40, 1000,
                                        testing::Refused(ENOSPC), "earlier"},
                           FullDiskCase{"InPlaceShorter", true, 200, 4, "done", "new"},
                           // 5,000 bytes become 8,000, within the two pages the file holds.
                           FullDiskCase{"InPlaceLongerWithinTheRoomItHas", true, 200, 320, "done",
                                        "new"},
                           // The temporary file finds no room even for its first page.
                           FullDiskCase{"ThroughATemporaryFile", false, 40, 1000,
                                        testing::Refused(ENOSPC), "earlier"},
                           FullDiskCase{"ThroughATemporaryFileEvenShorter", false, 200, 4,
                                        testing::Refused(ENOSPC), "earlier"})),
    [](const auto& test) {
      return std::string(testing::Name(std::get<0>(test.param))) + "_" +
             std::get<1>(test.param).name;
    });

// Choosing a file on a read-only file system is refused at once, with the
// system's reason, and the file keeps its content; so is a write to it.
TEST(CreateOrCheckWritable, AFileOnAReadOnlyFileSystemIsRefusedAtOnceAndKept) {
  testing::TempFolder folder;
  const fs::path disk = folder.Path() / "disk";
  fs::create_directory(disk);
  const std::string report = testing::OnPrivateMount(disk, SmallFileSystem::kTmpfs, [&] {
    testing::TempFolder::WriteAt(disk / "out.txt", "earlier\n");
    if (!testing::RemountReadOnly(disk)) {
      return std::string(testing::kCannotMount) + "remount read-only: " + std::strerror(errno);
    }
    const FolderItem file(disk / "out.txt");
    std::string result =
        testing::ChoiceOutcome((disk / "out.txt").string(), [&] { CreateOrCheckWritable(file); });
    result += "\n" + testing::Outcome([&] { ReplaceFileLines(file, {"new"}); });
    for (const auto& entry : testing::FolderState(disk)) result += "\n" + entry;
    return result;
  });
  if (report.starts_with(testing::kCannotMount)) GTEST_SKIP() << report;
  EXPECT_EQ(report, testing::Refused(EROFS) + "\n" + testing::Refused(EROFS) +
                        "\nout.txt: file: earlier\n");
}

}  // namespace
}  // namespace korvanta
