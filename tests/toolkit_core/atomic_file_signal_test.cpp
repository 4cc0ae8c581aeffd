#include <gtest/gtest.h>
#include <signal.h>

#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/case_names.h"
#include "tests/support/named_content.h"
#include "tests/support/numbered_lines.h"
#include "tests/support/temp_files.h"
#include "tests/support/traced_program.h"
#include "toolkit/core/atomic_file.h"

namespace korvanta {
namespace {

using testing::PrintTo;

namespace fs = std::filesystem;

// A signal that ends the program (a logout, a shutdown, a kill), sent while
// the write is paused at one of its system calls (strace delays it): the
// program still ends by that signal, but only once the output holds the new
// lines whole, and no temporary file is left.
struct SignalCase {
  const char* name;
  bool second_name;  // a hard link, so that the file is written in place
  int signal;
  std::string delayed;  // strace's injection that pauses the write
  std::string entered;  // what strace's log holds once the pause has begun
  // Another thread runs meanwhile, which does not hold the signal, so the
  // system hands the signal to it.
  bool other_thread = false;
};

class ASignalDuringAWrite : public ::testing::TestWithParam<SignalCase> {};

TEST_P(ASignalDuringAWrite, TakesEffectOnceTheFileIsWholeAndLeavesNoTemporaryFile) {
  if (const std::string why = testing::StraceMissing(); !why.empty()) GTEST_SKIP() << why;
  const SignalCase& c = GetParam();
  testing::TempFolder folder;
  const fs::path out = folder.Path() / "out";
  fs::create_directory(out);
  // 200 lines become 100: a write in place that stopped before the cut would
  // leave the end of the earlier lines after the new ones.
  const std::string earlier =
      testing::JoinedLines(std::vector<std::string>(200, "E, 999.9999, 999.999999"));
  testing::TempFolder::WriteAt(out / "out.txt", earlier);
  if (c.second_name) fs::create_hard_link(out / "out.txt", out / "other.txt");
  const std::string now = testing::JoinedLines(testing::NumberedLines(100));

  std::vector<std::string> command = {KORVANTA_WRITE_LINES, (out / "out.txt").string(), "100"};
  if (c.other_thread) command.push_back("thread");
  testing::TracedProgram write({"-e", "inject=" + c.delayed}, command,
                               folder.Path() / "strace.log");
  const std::string pid_text = write.ReadLine();
  int pid = 0;
  std::from_chars(pid_text.data(), pid_text.data() + pid_text.size(), pid);
  ASSERT_GT(pid, 0) << pid_text;
  ASSERT_TRUE(write.WaitForLog(c.entered, std::chrono::seconds(20)))
      << "the write did not reach " << c.entered;
  ASSERT_EQ(::kill(pid, c.signal), 0) << std::strerror(errno);
  EXPECT_EQ(write.Finish(), "ended by signal " + std::to_string(c.signal));

  const std::string names = c.second_name ? " with 2 names: " : ": ";
  std::string expected;
  if (c.second_name) expected += "\nother.txt: file" + names + "new";
  expected += "\nout.txt: file" + names + "new";
  EXPECT_EQ(testing::NamedState(out, earlier, now), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ASignalDuringAWrite,
                         ::testing::Values(
                             // The temporary file exists and is being synced.
                             SignalCase{"TermWhileTheTemporaryFileIsSynced", false, SIGTERM,
                                        "fsync:delay_enter=1500000:when=1", "fsync("},
                             SignalCase{"IntWhileTheTemporaryFileIsSynced", false, SIGINT,
                                        "fsync:delay_enter=1500000:when=1", "fsync("},
                             // The system hands the signal to the thread that does not hold it.
                             SignalCase{"TermTakenByAnotherThread", false, SIGTERM,
                                        "fsync:delay_enter=1500000:when=1", "fsync(", true},
                             // The new lines go over the earlier ones; the program's first write
                             // was the line with its process id.
                             SignalCase{"HupWhileTheLinesGoOverTheEarlierOnes", true, SIGHUP,
                                        "write:delay_enter=1500000:when=2", "\"P00000"}),
                         testing::ByName());

}  // namespace
}  // namespace korvanta
