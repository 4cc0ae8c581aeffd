#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "tests/support/case_names.h"
#include "tests/support/named_content.h"
#include "tests/support/numbered_lines.h"
#include "tests/support/private_mount.h"
#include "tests/support/special_files.h"
#include "tests/support/temp_files.h"
#include "tests/support/traced_program.h"
#include "tests/support/write_outcome.h"
#include "toolkit/core/atomic_file.h"

namespace korvanta {
namespace {

using testing::PrintTo;

namespace fs = std::filesystem;
using testing::SmallFileSystem;

std::vector<std::string> Lines(int count) {
  return testing::NumberedLines(count);
}

std::string Joined(const std::vector<std::string>& lines) {
  return testing::JoinedLines(lines);
}

struct FullDiskCase {
  const char* name;
  bool second_name;  // a hard link, so that the file is written in place
  int earlier_lines;
  int new_lines;
  std::string outcome;
  std::string content;  // of every name afterwards: "earlier" or "new"
};

// Names a case on each kind of file system, as in Tmpfs_InPlaceShorter.
std::string FileSystemAndName(
    const ::testing::TestParamInfo<std::tuple<SmallFileSystem, FullDiskCase>>& test) {
  return std::string(testing::Name(std::get<0>(test.param))) + "_" + std::get<1>(test.param).name;
}

// Runs `write` on out/out.txt (given with the test's folder) on a full file
// system of the kind: the file holds the case's earlier lines, with a second
// name, other.txt, where the case has one, and no room is left but what they
// hold. Gives what `write` returned, then each name's content (see
// NamedState); or kCannotMount and why.
std::string OnAFullDisk(
    SmallFileSystem kind, const FullDiskCase& c,
    const std::function<std::string(const fs::path& file, const fs::path& folder)>& write) {
  testing::TempFolder folder;
  const fs::path disk = folder.Path() / "disk";
  fs::create_directory(disk);
  return testing::OnPrivateMount(disk, kind, [&] {
    const fs::path out = disk / "out";
    fs::create_directory(out);
    // Written, and synced, as the earlier transformation left it.
    ReplaceFileLines(FolderItem(out / "out.txt"), Lines(c.earlier_lines));
    if (c.second_name) fs::create_hard_link(out / "out.txt", out / "other.txt");
    // What btrfs holds back for writes not yet on disk is free again.
    if (kind == SmallFileSystem::kBtrfs) ::sync();
    if (const int error = testing::FillFileSystem(disk / "filler"); error != ENOSPC) {
      return "the file system did not fill up: " + std::to_string(error);
    }
    if (kind == SmallFileSystem::kBtrfs) ::sync();
    const std::string outcome = write(out / "out.txt", folder.Path());
    return outcome +
           testing::NamedState(out, Joined(Lines(c.earlier_lines)), Joined(Lines(c.new_lines)));
  });
}

// The report of a case whose write gave `outcome`: each name holds the
// case's content.
std::string Expected(const FullDiskCase& c, const std::string& outcome) {
  const std::string names = c.second_name ? " with 2 names: " : ": ";
  std::string expected = outcome;
  if (c.second_name) expected += "\nother.txt: file" + names + c.content;
  expected += "\nout.txt: file" + names + c.content;
  return expected;
}

// A file system with no room left but what the earlier output itself holds:
// the file keeps every byte of its earlier content, or holds the new lines
// whole; a failure says the file is as it was; no temporary file stays.
class ReplaceFileLinesOnAFullDisk
    : public ::testing::TestWithParam<std::tuple<SmallFileSystem, FullDiskCase>> {};

TEST_P(ReplaceFileLinesOnAFullDisk, LeavesTheEarlierFileWholeOrWritesTheNewOneWhole) {
  const SmallFileSystem kind = std::get<0>(GetParam());
  const FullDiskCase& c = std::get<1>(GetParam());
  ASSERT_EQ(Joined(Lines(c.earlier_lines)).size(), 25u * static_cast<unsigned>(c.earlier_lines));

  const std::string report = OnAFullDisk(kind, c, [&](const fs::path& file, const fs::path&) {
    return testing::Outcome([&] { ReplaceFileLines(FolderItem(file), Lines(c.new_lines)); });
  });
  if (report.starts_with(testing::kCannotMount)) GTEST_SKIP() << report;
  EXPECT_EQ(report, Expected(c, c.outcome));
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
    FileSystemAndName);

// A file written in place on a file system that cannot set room aside
// (fallocate refused with EOPNOTSUPP, as on NFS and many FUSE file systems)
// and has no room left but what the earlier output holds: the room is made
// by writing beyond the earlier content first, so that the earlier file
// stays whole where it cannot be had. The write runs in a program of its own
// under strace, which refuses the program's fallocate.
class ReplaceFileLinesWhereRoomCannotBeSetAside
    : public ::testing::TestWithParam<std::tuple<SmallFileSystem, FullDiskCase>> {};

TEST_P(ReplaceFileLinesWhereRoomCannotBeSetAside, LeavesTheEarlierFileWholeOrWritesTheNewOne) {
  if (const std::string why = testing::StraceMissing(); !why.empty()) GTEST_SKIP() << why;
  const SmallFileSystem kind = std::get<0>(GetParam());
  const FullDiskCase& c = std::get<1>(GetParam());

  const std::string report =
      OnAFullDisk(kind, c, [&](const fs::path& file, const fs::path& folder) {
        testing::TracedProgram write(
            {"-e", "trace=fallocate", "-e", "inject=fallocate:error=EOPNOTSUPP"},
            {KORVANTA_WRITE_LINES, file.string(), std::to_string(c.new_lines)},
            folder / "strace.log");
        write.ReadLine();  // its process id
        const std::string outcome = write.ReadLine();
        const std::string ended = write.Finish();
        const std::string calls = testing::ReadBytes(folder / "strace.log");
        // The refusal was met: the writer asked for room and was turned down.
        if (calls.find("EOPNOTSUPP") == std::string::npos) {
          return "fallocate was not refused: " + calls;
        }
        return outcome + " (" + ended + ")";
      });
  if (report.starts_with(testing::kCannotMount)) GTEST_SKIP() << report;
  EXPECT_EQ(report, Expected(c, c.outcome + " (exited 0)"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceFileLinesWhereRoomCannotBeSetAside,
    ::testing::Combine(::testing::Values(SmallFileSystem::kTmpfs, SmallFileSystem::kExt4),
                       ::testing::Values(
                           // 1,000 bytes in one page become 25,000 in seven: no room for them.
                           FullDiskCase{"LargerThanTheRoomLeft", true, 40, 1000,
                                        testing::Refused(ENOSPC), "earlier"},
                           FullDiskCase{"Shorter", true, 200, 4, "done", "new"},
                           // 5,000 bytes become 8,000, within the two pages the file holds.
                           FullDiskCase{"LongerWithinTheRoomItHas", true, 200, 320, "done",
                                        "new"})),
    FileSystemAndName);

// On a full btrfs, room that was set aside for a file does not cover writing
// over its bytes: the first write over them meets the full disk. Nothing of
// the file changed then, and the failure says so. 2,000 lines (50,000 bytes,
// beyond what btrfs keeps inline with the file's metadata) become fewer.
class ReplaceFileLinesOnAFullBtrfs : public ::testing::TestWithParam<FullDiskCase> {};

TEST_P(ReplaceFileLinesOnAFullBtrfs, SaysTheFileIsAsItWasWhereNoByteChanged) {
  const FullDiskCase& c = GetParam();

  const std::string report =
      OnAFullDisk(SmallFileSystem::kBtrfs, c, [&](const fs::path& file, const fs::path&) {
        return testing::Outcome([&] { ReplaceFileLines(FolderItem(file), Lines(c.new_lines)); });
      });
  if (report.starts_with(testing::kCannotMount)) GTEST_SKIP() << report;
  EXPECT_EQ(report, Expected(c, c.outcome));
}

INSTANTIATE_TEST_SUITE_P(Cases, ReplaceFileLinesOnAFullBtrfs,
                         ::testing::Values(FullDiskCase{"InPlaceShorter", true, 2000, 1000,
                                                        testing::Refused(ENOSPC), "earlier"},
                                           FullDiskCase{"InPlaceLonger", true, 2000, 3000,
                                                        testing::Refused(ENOSPC), "earlier"},
                                           FullDiskCase{"ThroughATemporaryFile", false, 2000, 1000,
                                                        testing::Refused(ENOSPC), "earlier"}),
                         testing::ByName());

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
