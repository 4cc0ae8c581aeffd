// Writes numbered lines to a file through the writer, in a program of its
// own, so that a test can run the write under strace (a refused or delayed
// system call) or end it with a real signal. Prints its process id on the
// first line, then what the write came to (see Outcome). With "thread", a
// second thread runs meanwhile, as a GUI toolkit's own threads do, to which
// the system may hand a signal sent to the program.
//
//   korvanta_write_lines FILE COUNT [thread]

#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>
#include <thread>

#include "tests/support/numbered_lines.h"
#include "tests/support/write_outcome.h"
#include "toolkit/core/atomic_file.h"
#include "toolkit/core/folder_item.h"

int main(int argc, char** argv) {
  if (argc != 3 && !(argc == 4 && std::string_view(argv[3]) == "thread")) {
    std::fputs("usage: korvanta_write_lines FILE COUNT [thread]\n", stderr);
    return 2;
  }
  const std::string_view count_text(argv[2]);
  int count = 0;
  if (std::from_chars(count_text.data(), count_text.data() + count_text.size(), count).ec !=
      std::errc()) {
    std::fputs("COUNT is not a number\n", stderr);
    return 2;
  }
  if (argc == 4) {
    std::thread([] { ::pause(); }).detach();
  }
  std::printf("%d\n", static_cast<int>(::getpid()));
  std::fflush(stdout);
  const korvanta::FolderItem file(argv[1]);
  const std::vector<std::string> lines = korvanta::testing::NumberedLines(count);
  const std::string outcome =
      korvanta::testing::Outcome([&] { korvanta::ReplaceFileLines(file, lines); });
  std::printf("%s\n", outcome.c_str());
  return 0;
}
