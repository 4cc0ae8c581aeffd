#include "toolkit/core/text_stream.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <thread>
#include <vector>

#include "tests/support/case_names.h"
#include "tests/support/special_files.h"
#include "tests/support/temp_files.h"
#include "toolkit/core/exceptions.h"

namespace korvanta {
namespace {

using testing::PrintTo;

namespace fs = std::filesystem;
using namespace std::string_literals;

std::vector<std::string> ReadAll(TextInputStream stream) {
  std::vector<std::string> lines;
  while (!stream.EndOfFile()) lines.push_back(stream.ReadLine());
  stream.Close();
  return lines;
}

std::vector<std::string> ReadAll(const FolderItem& file) {
  return ReadAll(TextInputStream::Open(file));
}

// The lines of the bytes as another program's pipe delivers them: a stream
// that cannot seek back.
std::vector<std::string> ReadAllThroughAPipe(const std::string& bytes) {
  int ends[2];
  EXPECT_EQ(::pipe(ends), 0);
  std::thread writer([&bytes, out = UniqueFd(ends[1])] {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
      const ssize_t n = ::write(out.Get(), bytes.data() + sent, bytes.size() - sent);
      if (n <= 0) break;
      sent += static_cast<std::size_t>(n);
    }
  });
  std::vector<std::string> lines = ReadAll(TextInputStream::FromDescriptor(ends[0]));
  writer.join();
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

// The look at the start of the text (for a byte-order mark) must not lose
// what it looked at where the stream cannot seek back.
TEST_P(LineEnds, AreTheSameThroughAPipe) {
  EXPECT_EQ(ReadAllThroughAPipe(GetParam().bytes), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LineEnds,
    ::testing::Values(
        LineCase{"Lf", "a\nb\n", {"a", "b"}}, LineCase{"CrLf", "a\r\nb\r\n", {"a", "b"}},
        LineCase{"Cr", "a\rb\r", {"a", "b"}}, LineCase{"NoFinalEnd", "a\nb", {"a", "b"}},
        LineCase{"Mixed", "a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        LineCase{"EmptyLineInside", "a\n\nb\n", {"a", "", "b"}}, LineCase{"EmptyFile", "", {}},
        LineCase{"OnlyLineEnd", "\n", {""}},
        LineCase{"ByteOrderMark", "\xEF\xBB\xBFP1,1\r\n", {"P1,1"}},
        LineCase{"OnlyAByteOrderMark", "\xEF\xBB\xBF", {}},
        LineCase{"PartialMarkIsText", "\xEF\xBBx\n", {"\xEF\xBBx"}},
        LineCase{"FirstBytesOfAControlLine", "P1,1,2,3,4\nP2", {"P1,1,2,3,4", "P2"}},
        LineCase{"NulBytesStayInTheLine", "1"s + '\0' + "2,3\n", {"1"s + '\0' + "2,3"}},
        LineCase{"CrLfAcrossTheReadBuffer",
                 std::string(64 * 1024 - 1, 'x') + "\r\nnext",
                 {std::string(64 * 1024 - 1, 'x'), "next"}}),
    testing::ByName());

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

// ---- Anything but a regular file is refused at once: a FIFO would hold
// the open until a writer came, a device (/dev/zero) never ends.

struct KindCase {
  const char* name;
  // Makes the file; gives "" or why it cannot be made here.
  std::function<std::string(const fs::path&)> make;
  std::string kind;
};

class NotRegularFiles : public ::testing::TestWithParam<KindCase> {};

TEST_P(NotRegularFiles, AreRefusedAtOnceNamingTheirKind) {
  const KindCase& c = GetParam();
  testing::TempFolder folder;
  const fs::path path = folder.Path() / "input.csv";
  if (const std::string why = c.make(path); !why.empty()) GTEST_SKIP() << why;
  try {
    TextInputStream::Open(FolderItem(path));
    FAIL() << "opened";
  } catch (const FileKindException& e) {
    EXPECT_EQ(std::string(e.what()), "it is not a regular file but " + c.kind);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, NotRegularFiles,
    ::testing::Values(KindCase{"Fifo",
                               [](const fs::path& p) {
                                 testing::MakeFifo(p);
                                 return std::string();
                               },
                               "a FIFO (named pipe)"},
                      KindCase{"LinkToAFifo",
                               [](const fs::path& p) {
                                 testing::MakeFifo(p.parent_path() / "fifo");
                                 fs::create_symlink("fifo", p);
                                 return std::string();
                               },
                               "a FIFO (named pipe)"},
                      KindCase{"Socket",
                               [](const fs::path& p) {
                                 static_cast<void>(testing::BoundSocket(p));
                                 return std::string();
                               },
                               "a socket"},
                      KindCase{"CharacterDevice", &testing::MakeNullDevice, "a character device"},
                      KindCase{"BlockDevice", &testing::MakeBlockDevice, "a block device"},
                      KindCase{"Folder",
                               [](const fs::path& p) {
                                 fs::create_directory(p);
                                 return std::string();
                               },
                               "a folder"}),
    testing::ByName());

// ---- Lines are bounded.

constexpr std::size_t kMax = TextInputStream::kMaxLineBytes;

TEST(TextInputStream, ALineOfTheLimitIsRead) {
  testing::TempFolder folder;
  const std::string longest(kMax, 'x');
  EXPECT_EQ(ReadAll(folder.Write("f.txt", longest + "\r\nnext")),
            (std::vector<std::string>{longest, "next"}));
}

// A picture chosen by mistake: 2 MiB without a line end. The stream stops
// soon after the limit and leaves the rest unread.
TEST(TextInputStream, ALongerLineIsRefusedWithoutReadingTheRest) {
  testing::TempFolder folder;
  const FolderItem file = folder.Write("picture.png", std::string(2 * kMax, '\x01'));
  const int fd = ::open(file.Path().c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_GE(fd, 0);
  const UniqueFd shares_the_offset(::dup(fd));
  TextInputStream stream = TextInputStream::FromDescriptor(fd);
  EXPECT_FALSE(stream.EndOfFile());
  EXPECT_THROW(stream.ReadLine(), LineTooLongException);
  EXPECT_LE(::lseek(shares_the_offset.Get(), 0, SEEK_CUR), static_cast<off_t>(kMax + 128 * 1024));
}

// As /dev/zero is: a stream of NUL bytes that never ends, through a FIFO
// fed by a writer thread until the reader goes away.
TEST(TextInputStream, AnEndlessLineIsRefused) {
  testing::TempFolder folder;
  const fs::path fifo = folder.Path() / "zeros";
  testing::MakeFifo(fifo);
  // Both ends are open before anything is read: a FIFO without a writer
  // reads as an empty file.
  const int fd = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  ASSERT_GE(fd, 0);
  MakeBlocking(fd);
  UniqueFd out(::open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
  ASSERT_TRUE(out);
  MakeBlocking(out.Get());
  std::thread writer([out = std::move(out)] {
    sigset_t pipe_signal;
    sigemptyset(&pipe_signal);
    sigaddset(&pipe_signal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe_signal, nullptr);  // EPIPE ends the loop instead
    const std::string zeros(64 * 1024, '\0');
    while (::write(out.Get(), zeros.data(), zeros.size()) > 0) {
    }
  });
  TextInputStream stream = TextInputStream::FromDescriptor(fd);
  EXPECT_THROW(
      {
        while (!stream.EndOfFile()) stream.ReadLine();
      },
      LineTooLongException);
  stream.Close();
  writer.join();
}

// ---- UTF-16 text is recognised, by its mark or by its NUL bytes.

struct EncodingCase {
  const char* name;
  std::string bytes;
};

class Utf16Text : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(Utf16Text, IsRefusedAsSuch) {
  testing::TempFolder folder;
  TextInputStream stream = TextInputStream::Open(folder.Write("f.txt", GetParam().bytes));
  EXPECT_THROW(stream.EndOfFile(), TextEncodingException);
  EXPECT_THROW(stream.ReadLine(), TextEncodingException);
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, Utf16Text,
    ::testing::Values(
        EncodingCase{"LittleEndianWithMark", "\xFF\xFE" + testing::AsUtf16(false, "P1,2\r\n")},
        EncodingCase{"BigEndianWithMark", "\xFE\xFF" + testing::AsUtf16(true, "P1,2\r\n")},
        EncodingCase{"LittleEndianWithoutMark", testing::AsUtf16(false, "P1,2\r\n")},
        EncodingCase{"BigEndianWithoutMark", testing::AsUtf16(true, "P1,2\r\n")},
        EncodingCase{"OnlyAMark", "\xFF\xFE"}),
    testing::ByName());

TEST(TextInputStream, NulBytesHereAndThereAreNotUtf16) {
  testing::TempFolder folder;
  const std::string line = "P"s + '\0' + "1,2" + '\0' + "3";
  EXPECT_EQ(ReadAll(folder.Write("f.txt", line + "\n")), std::vector<std::string>{line});
}

TEST(FolderItem, NameIsTheFileName) {
  EXPECT_EQ(FolderItem("/tmp/site/control.csv").Name(), "control.csv");
}

}  // namespace
}  // namespace korvanta
