#include "toolkit/core/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/case_names.h"
#include "tests/support/file_failures.h"
#include "tests/support/other_user.h"
#include "tests/support/special_files.h"
#include "tests/support/temp_files.h"
#include "tests/support/write_outcome.h"
#include "toolkit/core/exceptions.h"

namespace korvanta {
namespace {

using testing::PrintTo;

namespace fs = std::filesystem;
using testing::ChoiceOutcome;
using testing::FolderEntries;
using testing::Incomplete;
using testing::Outcome;
using testing::ReadBytes;
using testing::Refused;
using testing::TempFolder;

struct WriteCase {
  const char* name;
  std::optional<std::string> earlier;  // the file's content before, if it exists
  std::vector<std::string> lines;
  std::string expected;
};

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
    testing::ByName());

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
  // Prepares the failure and returns the file to write.
  std::function<FolderItem(const TempFolder&)> prepare;
  // Run around the write itself.
  std::function<void(const std::function<void()>&)> around = [](const auto& write) { write(); };
};

class ReplaceFileLinesFails : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ReplaceFileLinesFails, WithTheSystemsErrorAndTheEarlierFileInPlace) {
  const FailureCase& c = GetParam();
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
  EXPECT_EQ(FolderEntries(file.Path().parent_path()), entries_before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceFileLinesFails,
    ::testing::Values(FailureCase{
                          "WriteFailsHalfway", EFBIG,
                          [](const TempFolder& f) { return f.Write("out.txt", "earlier\n"); },
                          [](const std::function<void()>& write) {
                            testing::FileSizeLimit limit(8);
                            write();
                          }},
                      FailureCase{"FolderRemovedAfterChoosing", ENOENT,
                                  [](const TempFolder& f) {
                                    fs::create_directory(f.Path() / "gone");
                                    const FolderItem file(f.Path() / "gone" / "out.txt");
                                    fs::remove(f.Path() / "gone");
                                    return file;
                                  }},
                      FailureCase{"ParentIsARegularFile", ENOTDIR,
                                  [](const TempFolder& f) {
                                    f.Write("plain", "not a folder\n");
                                    return FolderItem(f.Path() / "plain" / "out.txt");
                                  }},
                      FailureCase{"TargetIsAFolder", EISDIR,
                                  [](const TempFolder& f) {
                                    fs::create_directories(f.Path() / "out.txt" / "inside");
                                    return f.Item("out.txt");
                                  }}),
    testing::ByName());

// ---- Links, hard links, FIFOs and devices: written as a plain write would
// write them, and nothing but their content changes.

std::string RefusedKind(const std::string& kind) {
  return "refused: it is " + kind + ", not a regular file, a FIFO or a character device";
}
const std::string kNoReader =
    "refused: no program is reading from this FIFO (named pipe) (" + std::to_string(ENXIO) + ")";

// CreateOrCheckWritable, as choosing the file does, or the write of "new".
std::string ChooseOrWrite(bool choose, const FolderItem& file) {
  if (choose) return ChoiceOutcome(file.Path().string(), [&] { CreateOrCheckWritable(file); });
  return Outcome([&] { ReplaceFileLines(file, {"new"}); });
}

// Makes out.txt what the case needs; gives "" or why it cannot be had here.
using Prepare = std::function<std::string(const fs::path& folder)>;

std::string Nothing(const fs::path&) {
  return "";
}
std::string Existing(const fs::path& folder) {
  TempFolder::WriteAt(folder / "out.txt", "old\n");
  return "";
}
std::string DanglingLink(const fs::path& folder) {
  fs::create_symlink("target.txt", folder / "out.txt");
  return "";
}
std::string HardLinked(const fs::path& folder) {
  Existing(folder);
  fs::create_hard_link(folder / "out.txt", folder / "other.txt");
  return "";
}
std::string Fifo(const fs::path& folder) {
  testing::MakeFifo(folder / "out.txt");
  return "";
}
std::string NullDevice(const fs::path& folder) {
  return testing::MakeNullDevice(folder / "out.txt");
}
std::string BlockDevice(const fs::path& folder) {
  return testing::MakeBlockDevice(folder / "out.txt");
}

struct TargetCase {
  const char* name;
  bool choose;  // see ChooseOrWrite
  Prepare prepare;
  std::string outcome;
  std::vector<std::string> state;  // of the folder afterwards
};

class OutputTargets : public ::testing::TestWithParam<TargetCase> {};

TEST_P(OutputTargets, AreWrittenAsAPlainWriteWouldAndNothingElseChanges) {
  const TargetCase& c = GetParam();
  TempFolder folder;
  if (const std::string why = c.prepare(folder.Path()); !why.empty()) GTEST_SKIP() << why;
  const FolderItem file = folder.Item("out.txt");
  EXPECT_EQ(ChooseOrWrite(c.choose, file), c.outcome);
  EXPECT_EQ(testing::FolderState(folder.Path()), c.state);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OutputTargets,
    ::testing::Values(
        TargetCase{"WriteThroughADanglingLinkCreatesItsTarget",
                   false,
                   &DanglingLink,
                   "done",
                   {"out.txt: link to target.txt", "target.txt: file: new\n"}},
        TargetCase{
            "WriteThroughAChainOfLinks",
            false,
            [](const fs::path& folder) {
              fs::create_symlink("middle", folder / "out.txt");
              fs::create_symlink("target.txt", folder / "middle");
              return std::string();
            },
            "done",
            {"middle: link to target.txt", "out.txt: link to middle", "target.txt: file: new\n"}},
        TargetCase{"WriteToALoopOfLinks",
                   false,
                   [](const fs::path& folder) {
                     fs::create_symlink("out.txt", folder / "out.txt");
                     return std::string();
                   },
                   Refused(ELOOP),
                   {"out.txt: link to out.txt"}},
        TargetCase{"WriteToAHardLinkedFileKeepsBothNames",
                   false,
                   &HardLinked,
                   "done",
                   {"other.txt: file with 2 names: new\n", "out.txt: file with 2 names: new\n"}},
        TargetCase{"WriteToAFifoWithoutReader", false, &Fifo, kNoReader, {"out.txt: FIFO"}},
        TargetCase{
            "WriteToACharacterDevice", false, &NullDevice, "done", {"out.txt: character device"}},
        TargetCase{"WriteToABlockDevice",
                   false,
                   &BlockDevice,
                   RefusedKind("a block device"),
                   {"out.txt: block device"}},
        TargetCase{"WriteToASocket",
                   false,
                   [](const fs::path& folder) {
                     static_cast<void>(testing::BoundSocket(folder / "out.txt"));
                     return std::string();
                   },
                   RefusedKind("a socket"),
                   {"out.txt: socket"}},
        TargetCase{"ChoosingANewFileCreatesIt", true, &Nothing, "done", {"out.txt: file: "}},
        // The earlier content stays until a write replaces it whole.
        TargetCase{
            "ChoosingAFileKeepsItsContent", true, &Existing, "done", {"out.txt: file: old\n"}},
        TargetCase{"ChoosingADanglingLinkCreatesItsTarget",
                   true,
                   &DanglingLink,
                   "done",
                   {"out.txt: link to target.txt", "target.txt: file: "}},
        TargetCase{"ChoosingAHardLinkedFileKeepsItsContent",
                   true,
                   &HardLinked,
                   "done",
                   {"other.txt: file with 2 names: old\n", "out.txt: file with 2 names: old\n"}},
        // Opening a FIFO would wait for a reader, or give a reader an early end.
        TargetCase{"ChoosingAFifoWithoutReaderNeitherWaitsNorChangesIt",
                   true,
                   &Fifo,
                   "done",
                   {"out.txt: FIFO"}},
        TargetCase{
            "ChoosingACharacterDevice", true, &NullDevice, "done", {"out.txt: character device"}},
        TargetCase{"ChoosingABlockDevice",
                   true,
                   &BlockDevice,
                   RefusedKind("a block device"),
                   {"out.txt: block device"}},
        TargetCase{"ChoosingAFolder",
                   true,
                   [](const fs::path& folder) {
                     fs::create_directory(folder / "out.txt");
                     return std::string();
                   },
                   Refused(EISDIR),
                   {"out.txt: folder"}}),
    testing::ByName());

TEST(ReplaceFileLines, AFifoWithAReaderGetsTheLines) {
  TempFolder folder;
  Fifo(folder.Path());
  testing::FifoReader reader(folder.Path() / "out.txt");
  reader.Start();
  EXPECT_EQ(Outcome([&] { ReplaceFileLines(folder.Item("out.txt"), {"a, 1", "b, 2"}); }), "done");
  EXPECT_EQ(reader.Received(), "a, 1\nb, 2\n");
  EXPECT_EQ(testing::FolderState(folder.Path()), std::vector<std::string>{"out.txt: FIFO"});
}

// The reader takes a little and goes away while much more is to come: the
// write fails with EPIPE, and the signal that comes with it does not end the
// program.
TEST(ReplaceFileLines, AFifoWhoseReaderGoesAwayIsAnIncompleteWrite) {
  TempFolder folder;
  Fifo(folder.Path());
  testing::FifoReader reader(folder.Path() / "out.txt");
  reader.Start(1);
  const std::vector<std::string> lines(2048, std::string(1023, 'x'));
  EXPECT_EQ(Outcome([&] { ReplaceFileLines(folder.Item("out.txt"), lines); }), Incomplete(EPIPE));
  EXPECT_FALSE(reader.Received().empty());
}

// A file written in place, under a limit of 8 bytes on the size of a file
// (FileSizeLimit), with 19 bytes to write.
struct SizeLimitCase {
  const char* name;
  std::string earlier;
  std::string outcome;
  std::string content;  // of both names afterwards
};

class InPlaceWriteUnderASizeLimit : public ::testing::TestWithParam<SizeLimitCase> {};

TEST_P(InPlaceWriteUnderASizeLimit, IsRefusedBeforeAByteChangesOrSaysTheFileMayBeIncomplete) {
  const SizeLimitCase& c = GetParam();
  TempFolder folder;
  TempFolder::WriteAt(folder.Path() / "out.txt", c.earlier);
  fs::create_hard_link(folder.Path() / "out.txt", folder.Path() / "other.txt");
  std::string outcome;
  {
    testing::FileSizeLimit limit(8);
    outcome = Outcome([&] { ReplaceFileLines(folder.Item("out.txt"), {"a longer line", "more"}); });
  }
  EXPECT_EQ(outcome, c.outcome);
  EXPECT_EQ(testing::FolderState(folder.Path()),
            (std::vector<std::string>{"other.txt: file with 2 names: " + c.content,
                                      "out.txt: file with 2 names: " + c.content}));
}

INSTANTIATE_TEST_SUITE_P(Cases, InPlaceWriteUnderASizeLimit,
                         ::testing::Values(
                             // The file may not grow to the new length: the room is refused first.
                             SizeLimitCase{"ShorterFileMayNotGrow", "old\n", Refused(EFBIG),
                                           "old\n"},
                             // A longer file has the room; the write over it stops at the limit.
                             SizeLimitCase{"LongerFileFailsHalfway", "old line 1\nold line 2\n",
                                           Incomplete(EFBIG), "a longer 1\nold line 2\n"}),
                         testing::ByName());

// ---- What a user may not do. CI runs as root, whom no permission stops, so
// the write runs in a child process as another user (see AsOtherUser).

struct UserCase {
  const char* name;
  bool choose;  // see ChooseOrWrite
  // Makes the folder "f" and f/out.txt in it, owned as the case needs;
  // gives "" or why it cannot be had here.
  std::function<std::string(const fs::path& f)> prepare;
  std::string outcome;
  std::vector<std::string> state;  // of f afterwards
};

// The user's own folder, and in it the user's own file made read-only.
std::string OwnReadOnlyFile(const fs::path& f) {
  fs::create_directory(f);
  testing::GiveToOtherUser(f);
  TempFolder::WriteAt(f / "out.txt", "earlier\n");
  testing::GiveToOtherUser(f / "out.txt");
  fs::permissions(f / "out.txt", fs::perms(0444));
  return "";
}

// The user's own folder, made read-only, and nothing in it.
std::string OwnReadOnlyFolder(const fs::path& f) {
  fs::create_directory(f);
  testing::GiveToOtherUser(f);
  fs::permissions(f, fs::perms(0555));
  return "";
}

// A folder the user may not write (root's 755 folder, or the user's own 555
// one), and in it a file anyone may write, not the user's where it can be.
std::string WritableFileInAFolderTheUserMayNotWrite(const fs::path& f) {
  fs::create_directory(f);
  TempFolder::WriteAt(f / "out.txt", "earlier\n");
  fs::permissions(f / "out.txt", fs::perms(0666));
  fs::permissions(f, fs::perms(testing::RunningAsRoot() ? 0755 : 0555));
  return "";
}

class OtherUserTargets : public ::testing::TestWithParam<UserCase> {};

TEST_P(OtherUserTargets, AreTreatedAsAPlainWriteWouldTreatThem) {
  const UserCase& c = GetParam();
  TempFolder folder;
  fs::permissions(folder.Path(), fs::perms(0755));  // whatever the umask, the user may enter
  const fs::path f = folder.Path() / "f";
  if (const std::string why = c.prepare(f); !why.empty()) GTEST_SKIP() << why;
  struct stat before {};
  const bool existed = ::stat((f / "out.txt").c_str(), &before) == 0;
  const FolderItem file(f / "out.txt");

  EXPECT_EQ(testing::AsOtherUser([&] { return ChooseOrWrite(c.choose, file); }), c.outcome);
  EXPECT_EQ(testing::FolderState(f), c.state);
  struct stat after {};
  if (existed && ::stat((f / "out.txt").c_str(), &after) == 0) {
    EXPECT_EQ(after.st_ino, before.st_ino) << "the file was replaced";
    EXPECT_EQ(after.st_uid, before.st_uid) << "the file changed hands";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OtherUserTargets,
    ::testing::Values(UserCase{"WriteToTheUsersOwnReadOnlyFile",
                               false,
                               &OwnReadOnlyFile,
                               Refused(EACCES),
                               {"out.txt: file: earlier\n"}},
                      UserCase{"ChoosingTheUsersOwnReadOnlyFile",
                               true,
                               &OwnReadOnlyFile,
                               Refused(EACCES),
                               {"out.txt: file: earlier\n"}},
                      UserCase{"WriteFallsBackToInPlaceWhereTheFolderRefusesTheTemporaryFile",
                               false,
                               &WritableFileInAFolderTheUserMayNotWrite,
                               "done",
                               {"out.txt: file: new\n"}},
                      UserCase{"ChoosingAWritableFileInAFolderTheUserMayNotWrite",
                               true,
                               &WritableFileInAFolderTheUserMayNotWrite,
                               "done",
                               {"out.txt: file: earlier\n"}},
                      UserCase{"WriteToANewFileInAFolderTheUserMayNotWrite",
                               false,
                               &OwnReadOnlyFolder,
                               Refused(EACCES),
                               {}},
                      UserCase{"ChoosingANewFileInAFolderTheUserMayNotWrite",
                               true,
                               &OwnReadOnlyFolder,
                               Refused(EACCES),
                               {}},
                      // The user's folder would take a replacement, but the replacement
                      // would be the user's: the file is written where it is and stays
                      // root's.
                      UserCase{"WriteKeepsTheOwnerOfAnotherUsersFile",
                               false,
                               [](const fs::path& f) {
                                 if (!testing::RunningAsRoot())
                                   return std::string("only root can make a file of another user");
                                 fs::create_directory(f);
                                 testing::GiveToOtherUser(f);
                                 TempFolder::WriteAt(f / "out.txt", "earlier\n");
                                 fs::permissions(f / "out.txt", fs::perms(0666));
                                 return std::string();
                               },
                               "done",
                               {"out.txt: file: new\n"}}),
    testing::ByName());

}  // namespace
}  // namespace korvanta
