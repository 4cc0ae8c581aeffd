#include "toolkit/core/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/file_failures.h"
#include "tests/support/temp_files.h"
#include "toolkit/core/exceptions.h"

namespace korvanta {
namespace {

namespace fs = std::filesystem;
using testing::FolderEntries;
using testing::ReadBytes;
using testing::TempFolder;

struct WriteCase {
  const char* name;
  std::optional<std::string> earlier;  // the file's content before, if it exists
  std::vector<std::string> lines;
  std::string expected;
};

void PrintTo(const WriteCase& c, std::ostream* os) {
  *os << c.name;
}

class ReplaceFileLinesWrites : public ::testing::TestWithParam<WriteCase> {};

TEST_P(ReplaceFileLinesWrites, TheFileHoldsExactlyTheLinesAndNothingIsLeftBeside) {
  const WriteCase& c = GetParam();
  TempFolder folder;
  const FolderItem file = c.earlier ? folder.Write("out.txt", *c.earlier) : folder.Item("out.txt");
  ReplaceFileLines(file, c.lines);
  EXPECT_EQ(ReadBytes(file.Path()), c.expected);
  EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"out.txt"});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceFileLinesWrites,
    ::testing::Values(
        WriteCase{"NewFile", std::nullopt, {"a, 1", "b, 2"}, "a, 1\nb, 2\n"},
        WriteCase{
            "LongerEarlierContentIsGone", "old line 1\nold line 2\nold line 3\n", {"new"}, "new\n"},
        WriteCase{"NoLinesEmptiesTheFile", "old\n", {}, ""},
        WriteCase{
            "BlanksAndUtf8Kept", std::nullopt, {" P 1 , x\xC2\xB1", ""}, " P 1 , x\xC2\xB1\n\n"}),
    [](const auto& test) { return std::string(test.param.name); });

fs::perms Permissions(const fs::path& file) {
  return fs::status(file).permissions();
}

TEST(ReplaceFileLines, AnExistingFileKeepsItsPermissions) {
  TempFolder folder;
  const FolderItem file = folder.Write("out.txt", "old\n");
  fs::permissions(file.Path(),
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ReplaceFileLines(file, {"new"});
  EXPECT_EQ(Permissions(file.Path()),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(ReplaceFileLines, ANewFileGetsTheModeOfAnyNewFile) {
  TempFolder folder;
  const mode_t mask = ::umask(022);
  ReplaceFileLines(folder.Item("out.txt"), {"x"});
  ::umask(mask);
  EXPECT_EQ(Permissions(folder.Path() / "out.txt"), fs::perms::owner_read | fs::perms::owner_write |
                                                        fs::perms::group_read |
                                                        fs::perms::others_read);
}

TEST(ReplaceFileLines, AFileReachedThroughALinkIsReplacedWhereTheLinkPoints) {
  TempFolder folder;
  folder.Write("real.txt", "old\n");
  fs::create_symlink("real.txt", folder.Path() / "link.txt");
  ReplaceFileLines(folder.Item("link.txt"), {"new"});
  EXPECT_TRUE(fs::is_symlink(folder.Path() / "link.txt"));
  EXPECT_EQ(ReadBytes(folder.Path() / "real.txt"), "new\n");
  EXPECT_EQ(FolderEntries(folder.Path()), (std::vector<std::string>{"link.txt", "real.txt"}));
}

// Each failure gives the system's error, leaves the chosen file as it was and
// no temporary file behind.
struct FailureCase {
  const char* name;
  int error_number;
  bool needs_permissions;  // meaningless for root, who passes every permission
  // Prepares the failure and returns the file to write.
  std::function<FolderItem(const TempFolder&)> prepare;
  // Run around the write itself.
  std::function<void(const std::function<void()>&)> around = [](const auto& write) { write(); };
};

void PrintTo(const FailureCase& c, std::ostream* os) {
  *os << c.name;
}

class ReplaceFileLinesFails : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ReplaceFileLinesFails, WithTheSystemsErrorAndTheEarlierFileInPlace) {
  const FailureCase& c = GetParam();
  if (c.needs_permissions && testing::RunningAsRoot()) {
    GTEST_SKIP() << "root is not stopped by permissions; the other cases fail for root too";
  }
  TempFolder folder;
  const FolderItem file = c.prepare(folder);
  std::error_code ec;
  const bool existed = fs::is_regular_file(file.Path(), ec);
  const std::string before = existed ? ReadBytes(file.Path()) : "";
  const auto entries_before = FolderEntries(file.Path().parent_path());

  std::optional<IOException> error;
  c.around([&] {
    try {
      ReplaceFileLines(file, {"a line longer than the limit of the file size", "another"});
    } catch (const IOException& e) {
      error = e;
    }
  });
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->ErrorNumber(), c.error_number) << error->what();
  EXPECT_FALSE(error->Message().empty());
  if (existed) {
    EXPECT_EQ(ReadBytes(file.Path()), before);
  }
  fs::permissions(folder.Path(), fs::perms::owner_all, fs::perm_options::add, ec);
  EXPECT_EQ(FolderEntries(file.Path().parent_path()), entries_before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceFileLinesFails,
    ::testing::Values(FailureCase{
                          "WriteFailsHalfway", EFBIG, false,
                          [](const TempFolder& f) { return f.Write("out.txt", "earlier\n"); },
                          [](const std::function<void()>& write) {
                            testing::FileSizeLimit limit(8);
                            write();
                          }},
                      FailureCase{"FolderRemovedAfterChoosing", ENOENT, false,
                                  [](const TempFolder& f) {
                                    fs::create_directory(f.Path() / "gone");
                                    const FolderItem file(f.Path() / "gone" / "out.txt");
                                    fs::remove(f.Path() / "gone");
                                    return file;
                                  }},
                      FailureCase{"ParentIsARegularFile", ENOTDIR, false,
                                  [](const TempFolder& f) {
                                    f.Write("plain", "not a folder\n");
                                    return FolderItem(f.Path() / "plain" / "out.txt");
                                  }},
                      FailureCase{"TargetIsAFolder", EISDIR, false,
                                  [](const TempFolder& f) {
                                    fs::create_directories(f.Path() / "out.txt" / "inside");
                                    return f.Item("out.txt");
                                  }},
                      FailureCase{"ReadOnlyFolder", EACCES, true,
                                  [](const TempFolder& f) {
                                    const FolderItem file = f.Write("out.txt", "earlier\n");
                                    fs::permissions(f.Path(), fs::perms(0555));
                                    return file;
                                  }}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace korvanta
