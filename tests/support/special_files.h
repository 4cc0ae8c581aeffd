#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

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

}  // namespace korvanta::testing
