#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "toolkit/core/unique_fd.h"

namespace korvanta::testing {

// Makes a FIFO (named pipe) at the path; fails the test when it cannot.
inline void MakeFifo(const std::filesystem::path& path) {
  ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0) << std::strerror(errno);
}

// A Unix socket bound at the path for the lifetime of the object.
class BoundSocket {
 public:
  explicit BoundSocket(const std::filesystem::path& path)
      : fd_(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string text = path.string();
    EXPECT_LT(text.size(), sizeof address.sun_path) << text;
    std::memcpy(address.sun_path, text.c_str(), std::min(text.size(), sizeof address.sun_path - 1));
    EXPECT_EQ(::bind(fd_.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address), 0)
        << std::strerror(errno);
  }

 private:
  UniqueFd fd_;
};

// Makes a device node as root may; gives "" or why the system refused (a
// container without the right to make devices).
inline std::string MakeDevice(const std::filesystem::path& path, mode_t kind, unsigned major,
                              unsigned minor) {
  if (::mknod(path.c_str(), kind | 0666, makedev(major, minor)) == 0) return "";
  return "mknod refused: " + std::string(std::strerror(errno));
}

// A copy of the system's /dev/null (character device 1, 3) in a folder of the
// test's own, so that no test ever writes near the real one. Gives "" or why
// it cannot be had here.
inline std::string MakeNullDevice(const std::filesystem::path& path) {
  std::string why = MakeDevice(path, S_IFCHR, 1, 3);
  if (!why.empty()) return why;
  const UniqueFd probe(::open(path.c_str(), O_WRONLY | O_CLOEXEC));
  if (!probe) return "the device made cannot be opened: " + std::string(std::strerror(errno));
  return "";
}

// A block device node that no driver serves: major 60 is kept for local,
// experimental use and never handed out by the kernel, so even an open of it
// reaches no disk.
inline std::string MakeBlockDevice(const std::filesystem::path& path) {
  return MakeDevice(path, S_IFBLK, 60, 0);
}

// Reads everything a FIFO's writer sends until it closes, on a thread of its
// own. The FIFO is opened for reading at once, so that a writer finds a
// reader; the thread waits for the writer's first bytes (a FIFO that has had
// no writer yet reads as ended), giving up after ten seconds without any.
class FifoReader {
 public:
  explicit FifoReader(const std::filesystem::path& fifo)
      : fd_(::open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {
    EXPECT_TRUE(fd_) << std::strerror(errno);
  }
  ~FifoReader() { Join(); }
  FifoReader(const FifoReader&) = delete;
  FifoReader& operator=(const FifoReader&) = delete;

  // Starts reading: all of it, or at least `limit` bytes, after which it
  // closes its end while the writer may still be writing.
  void Start(std::size_t limit = std::string::npos) {
    thread_ = std::thread([this, limit] {
      char chunk[4096];
      while (received_.size() < limit) {
        pollfd wait{fd_.Get(), POLLIN, 0};
        const int ready = ::poll(&wait, 1, 10'000);
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) break;
        const ssize_t n = ::read(fd_.Get(), chunk, sizeof chunk);
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (n <= 0) break;
        received_.append(chunk, static_cast<std::size_t>(n));
      }
      fd_.Reset();
    });
  }
  // Waits for the writer to close (or the limit) and gives what came.
  const std::string& Received() {
    Join();
    return received_;
  }

 private:
  void Join() {
    if (thread_.joinable()) thread_.join();
  }

  UniqueFd fd_;
  std::thread thread_;
  std::string received_;
};

// Every entry of a folder, sorted, as "name: what it is", a regular file with
// its content and, where it has more than one, its number of names:
// "out.txt: file: a\n", "link.txt: link to out.txt", "pipe: FIFO". What a
// test compares to see that nothing was replaced, split or left behind.
inline std::vector<std::string> FolderState(const std::filesystem::path& folder) {
  std::vector<std::string> state;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::filesystem::path& path = it->path();
    std::string entry = path.filename().string() + ": ";
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
      entry += "gone";
    } else if (S_ISLNK(info.st_mode)) {
      entry += "link to " + std::filesystem::read_symlink(path, ec).string();
    } else if (S_ISREG(info.st_mode)) {
      entry += "file";
      if (info.st_nlink > 1) entry += " with " + std::to_string(info.st_nlink) + " names";
      std::ifstream in(path, std::ios::binary);
      entry += ": " + std::string(std::istreambuf_iterator<char>(in), {});
    } else if (S_ISFIFO(info.st_mode)) {
      entry += "FIFO";
    } else if (S_ISCHR(info.st_mode)) {
      entry += "character device";
    } else if (S_ISBLK(info.st_mode)) {
      entry += "block device";
    } else if (S_ISSOCK(info.st_mode)) {
      entry += "socket";
    } else if (S_ISDIR(info.st_mode)) {
      entry += "folder";
    }
    state.push_back(entry);
  }
  std::sort(state.begin(), state.end());
  return state;
}

}  // namespace korvanta::testing
