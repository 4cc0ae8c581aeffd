#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "tests/support/case_names.h"
#include "tests/support/file_rights.h"
#include "tests/support/other_user.h"
#include "tests/support/private_mount.h"
#include "tests/support/special_files.h"
#include "tests/support/temp_files.h"
#include "tests/support/traced_child.h"
#include "tests/support/write_outcome.h"
#include "toolkit/core/atomic_file.h"
#include "toolkit/core/unique_fd.h"

namespace korvanta {
namespace {

using testing::PrintTo;

namespace fs = std::filesystem;
using testing::SmallFileSystem;

// The folder's entries (see FolderState), "; " between them.
std::string State(const fs::path& folder) {
  std::string state;
  for (const auto& entry : testing::FolderState(folder)) {
    state += (state.empty() ? "" : "; ") + entry;
  }
  return state;
}

// How a case's report begins where the machine could not give the output
// what the case is about: the test skips on it, as where it cannot mount.
constexpr std::string_view kCannotPrepare = "cannot prepare the case here: ";

bool CannotRun(const std::string& report) {
  return report.starts_with(testing::kCannotMount) || report.starts_with(kCannotPrepare);
}

// Runs the shell commands in the folder; gives "" or, after kCannotPrepare,
// what failed.
std::string RunIn(const fs::path& folder, const std::string& commands) {
  if (commands.empty()) return "";
  const std::string line = "cd '" + folder.string() + "' && (" + commands + ") >/dev/null 2>&1";
  if (std::system(line.c_str()) == 0) return "";
  return std::string(kCannotPrepare) + commands;
}

std::string InodeOf(const fs::path& file) {
  struct stat info {};
  return ::stat(file.c_str(), &info) == 0 ? std::to_string(info.st_ino) : "gone";
}

// ---- Who may read and write the output: its mode, its ACL and its other
// extended attributes are as they were after a Transform, and no one gains
// a permission.

struct RightsCase {
  const char* name;
  // Run in the folder "out" (root's, 0755) that holds out.csv ("earlier",
  // 0644, root's): gives the output the rights the case is about.
  const char* prepare;
  bool as_other_user;   // out.csv and its folder are the other user's, who writes
  std::string rights;   // of out.csv, before and after
  std::string written;  // "replaced" (a new file in its place) or "in place"
};

class ReplaceFileLinesKeepsTheRights : public ::testing::TestWithParam<RightsCase> {};

TEST_P(ReplaceFileLinesKeepsTheRights, OfTheEarlierFileExactly) {
  const RightsCase& c = GetParam();
  testing::TempFolder folder;
  const fs::path disk = folder.Path() / "disk";
  fs::create_directory(disk);
  const std::string report = testing::OnPrivateMount(disk, SmallFileSystem::kExt4, [&] {
    const fs::path out = disk / "out";
    fs::create_directory(out);
    fs::permissions(out, fs::perms(0755));
    const fs::path file = out / "out.csv";
    testing::TempFolder::WriteAt(file, "earlier\n");
    fs::permissions(file, fs::perms(0644));
    if (c.as_other_user &&
        (::chown(out.c_str(), testing::OtherUser(), testing::OtherGroup()) != 0 ||
         ::chown(file.c_str(), testing::OtherUser(), testing::OtherGroup()) != 0)) {
      return std::string(kCannotPrepare) + "chown: " + std::strerror(errno);
    }
    if (const std::string why = RunIn(out, c.prepare); !why.empty()) return why;
    const std::string before = testing::Rights(file);
    const std::string inode = InodeOf(file);
    const auto write = [&] {
      return testing::Outcome([&] { ReplaceFileLines(FolderItem(file), {"new"}); });
    };
    const std::string outcome = c.as_other_user ? testing::AsOtherUser(write) : write();
    return before + "--\n" + outcome + "\n" + testing::Rights(file) +
           (InodeOf(file) == inode ? "in place\n" : "replaced\n") + State(out);
  });
  if (CannotRun(report)) GTEST_SKIP() << report;
  EXPECT_EQ(report, c.rights + "--\ndone\n" + c.rights + c.written + "\nout.csv: file: new\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceFileLinesKeepsTheRights,
    ::testing::Values(
        // The owning group may read, and one more user may also write: the
        // group bits show the ACL's mask (rw), not the group's own right.
        RightsCase{"AclEntryAndUserAttribute",
                   "setfacl -m u:nobody:rw out.csv && setfattr -n user.origin -v survey out.csv",
                   false,
                   "mode 664\nuser::rw-\nuser:nobody:rw-\ngroup::r--\nmask::rw-\nother::r--\n"
                   "user.origin=\"survey\"\n",
                   "replaced"},
        // The folder gives new files an ACL; the output, private, has none,
        // and the replacement must not bring one in.
        RightsCase{"FolderDefaultAclTheFileLacks",
                   "setfacl -d -m u:nobody:rw . && chmod 600 out.csv", false,
                   "mode 600\nuser::rw-\ngroup::---\nother::---\n", "replaced"},
        // An attribute only a privileged program may set: the user's
        // replacement could not carry it, so the file is written where it is.
        RightsCase{"SecurityAttributeTheUserMayNotSet",
                   "setfattr -n security.korvanta -v survey out.csv", true,
                   "mode 644\nuser::rw-\ngroup::r--\nother::r--\nsecurity.korvanta=\"survey\"\n",
                   "in place"}),
    testing::ByName());

// ---- The temporary file of a private output is private from its first
// moment: the writer is held at the fchmod that gives the temporary file the
// earlier file's mode, and meanwhile another user tries to open it.

std::string TemporaryFileIn(const fs::path& folder) {
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->path().filename().string().starts_with(".out.csv.korvanta-tmp-")) {
      return it->path().string();
    }
  }
  return "";
}

// Waits up to ten seconds for `done`.
bool Within10Seconds(const std::function<bool()>& done) {
  for (int i = 0; i < 10000; ++i) {
    if (done()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return false;
}

// Looks for the writer's temporary file, opens it for reading, and once it
// has been renamed into place, reads what the descriptor holds.
std::string OpenTheTemporaryFile(const fs::path& folder) {
  std::string temp;
  if (!Within10Seconds([&] { return !(temp = TemporaryFileIn(folder)).empty(); })) {
    return "no temporary file seen";
  }
  const UniqueFd fd(::open(temp.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd) return "the other user could not open it: " + std::string(std::strerror(errno));
  Within10Seconds([&] { return TemporaryFileIn(folder).empty(); });
  std::string content(64, '\0');
  const ssize_t n = ::pread(fd.Get(), content.data(), content.size(), 0);
  content.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  return "the other user opened it and read \"" + content + "\"";
}

// What the writer did to the temporary file, from strace's log: its
// creation with the mode asked for, then each fchown, fchmod and extended
// attribute change, and the first write.
std::string TemporaryFileCalls(const std::string& log) {
  std::istringstream lines(log);
  std::string fd;
  std::string calls;
  for (std::string line; std::getline(lines, line);) {
    if (fd.empty()) {
      if (line.starts_with("openat(") && line.find("korvanta-tmp-") != std::string::npos &&
          line.find("O_CREAT") != std::string::npos) {
        const std::size_t mode = line.rfind(", ") + 2;
        calls += "create " + line.substr(mode, line.find(')', mode) - mode);
        fd = line.substr(line.rfind("= ") + 2);
      }
      continue;
    }
    const std::size_t open = line.find('(');
    if (open == std::string::npos || line.compare(open + 1, fd.size() + 1, fd + ",") != 0) continue;
    const std::string call = line.substr(0, open);
    if (call == "write") return calls + ", write";
    const std::size_t argument = open + 1 + fd.size() + 2;
    calls += ", " + call + " " + line.substr(argument, line.find(')', argument) - argument);
  }
  return calls + (fd.empty() ? "no temporary file created" : ", no write");
}

TEST(ReplaceFileLines, ThePrivateOutputsTemporaryFileIsNeverOpenToAnotherUser) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root can look on as another user";
  testing::TempFolder folder;
  fs::permissions(folder.Path(), fs::perms(0755));
  const fs::path file = folder.Path() / "out.csv";
  testing::TempFolder::WriteAt(file, "earlier\n");
  fs::permissions(file, fs::perms(0600));

  // The writer's fchmod waits a second, so that the window is wide open.
  const fs::path log = folder.Path() / "strace.log";
  testing::TracedChild writer(
      [&] {
        ::umask(022);
        return testing::Outcome([&] { ReplaceFileLines(FolderItem(file), {"new"}); });
      },
      {"-e", "trace=openat,fchmod,fchown,fsetxattr,fremovexattr,write", "-e",
       "inject=fchmod:delay_enter=1000000"},
      log);
  if (!writer.CannotTrace().empty()) GTEST_SKIP() << writer.CannotTrace();

  // A process of its own as the other user looks on while the writer runs.
  testing::ReportingChild observer;
  ASSERT_TRUE(observer.Start([&] {
    return testing::AsOtherUser([&] { return OpenTheTemporaryFile(folder.Path()); });
  })) << observer.Failure();
  EXPECT_EQ(writer.Run(), "done");
  EXPECT_EQ(observer.Report(), "the other user could not open it: Permission denied");
  EXPECT_EQ(TemporaryFileCalls(writer.Log()), "create 0600, fchmod 0600, write");
  fs::remove(log);
  EXPECT_EQ(State(folder.Path()), "out.csv: file: new\n");
  EXPECT_EQ(testing::Rights(file), "mode 600\nuser::rw-\ngroup::---\nother::---\n");
}

// ---- Where no rename can put a new file in the output's place, the file is
// written where it is, and no temporary file is left.

struct InPlaceCase {
  const char* name;
  SmallFileSystem kind;
  bool earlier_file;  // out.csv holds "earlier" before the write
  // Run in the folder "out" once out.csv is there (or not).
  const char* prepare;
  std::string report;  // the outcome, then the folder's entries
  // A failure strace makes the writer's system calls meet, or nullptr.
  const char* inject;
};

class ReplaceFileLinesWhereNoRenameCanReplace : public ::testing::TestWithParam<InPlaceCase> {};

TEST_P(ReplaceFileLinesWhereNoRenameCanReplace, WritesInPlaceAndLeavesNoTemporaryFile) {
  const InPlaceCase& c = GetParam();
  testing::TempFolder folder;
  const fs::path disk = folder.Path() / "disk";
  fs::create_directory(disk);
  const std::string report = testing::OnPrivateMount(disk, c.kind, [&] {
    const fs::path out = disk / "out";
    fs::create_directory(out);
    if (c.earlier_file) testing::TempFolder::WriteAt(out / "out.csv", "earlier\n");
    if (const std::string why = RunIn(out, c.prepare); !why.empty()) return why;
    const auto write = [&] {
      return testing::Outcome([&] { ReplaceFileLines(FolderItem(out / "out.csv"), {"new"}); });
    };
    if (c.inject == nullptr) {
      const std::string outcome = write();
      return outcome + "\n" + State(out);
    }
    testing::TracedChild writer(write, {"-e", "trace=statx", "-e", c.inject},
                                folder.Path() / "strace.log");
    if (!writer.CannotTrace().empty()) return std::string(kCannotPrepare) + writer.CannotTrace();
    const std::string outcome = writer.Run();
    return outcome + "\n" + State(out);
  });
  if (CannotRun(report)) GTEST_SKIP() << report;
  EXPECT_EQ(report, c.report);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceFileLinesWhereNoRenameCanReplace,
    ::testing::Values(
        // A single-file volume: the output is itself a mount point, here of
        // ../volume.csv, which holds what the output holds.
        InPlaceCase{"BindMountedFile", SmallFileSystem::kTmpfs, true,
                    "echo volume > ../volume.csv && mount --bind ../volume.csv out.csv",
                    "done\nout.csv: file: new\n", nullptr},
        // As where the system cannot tell a mount point from a file (before
        // Linux 5.8): the rename over it is refused as busy.
        InPlaceCase{"BindMountedFileNotToldApart", SmallFileSystem::kTmpfs, true,
                    "echo volume > ../volume.csv && mount --bind ../volume.csv out.csv",
                    "done\nout.csv: file: new\n", "inject=statx:error=ENOSYS"},
        // A container with a read-only root and one writable file: not
        // even a temporary file may be made beside the output.
        InPlaceCase{"BindMountedFileInAReadOnlyFolder", SmallFileSystem::kTmpfs, true,
                    "echo volume > ../volume.csv && mount --bind \"$PWD\" \"$PWD\" && "
                    "mount -o remount,bind,ro \"$PWD\" && "
                    "mount --bind ../volume.csv \"$PWD/out.csv\"",
                    "done\nout.csv: file: new\n", nullptr},
        // New entries may come, none may go: a temporary file could never
        // be renamed or removed again.
        InPlaceCase{"AppendOnlyFolder", SmallFileSystem::kExt4, true, "chattr +a .",
                    "done\nout.csv: file: new\n", nullptr},
        InPlaceCase{"AppendOnlyFolderAndNoFileYet", SmallFileSystem::kExt4, false, "chattr +a .",
                    "done\nout.csv: file: new\n", nullptr},
        InPlaceCase{"ImmutableFolder", SmallFileSystem::kExt4, true, "chattr +i .",
                    "done\nout.csv: file: new\n", nullptr},
        InPlaceCase{"ImmutableFolderAndNoFileYet", SmallFileSystem::kExt4, false, "chattr +i .",
                    testing::Refused(EPERM) + "\n", nullptr}),
    testing::ByName());

}  // namespace
}  // namespace korvanta
