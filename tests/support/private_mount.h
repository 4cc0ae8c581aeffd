#pragma once

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "tests/support/child_process.h"
#include "toolkit/core/unique_fd.h"

namespace korvanta::testing {

// A small file system that fills up after a few pages: a tmpfs of 256 KiB,
// or ext4 of 1 MiB (4 KiB blocks) in an image file, which gives up what it
// has reserved by its own rules; or, larger, the smallest btrfs there is
// (114 MiB, a sparse image), which copies on write: writing over a file's
// bytes takes new room even where the file's own room was set aside.
enum class SmallFileSystem { kTmpfs, kExt4, kBtrfs };

inline const char* Name(SmallFileSystem kind) {
  switch (kind) {
    case SmallFileSystem::kTmpfs:
      return "Tmpfs";
    case SmallFileSystem::kExt4:
      return "Ext4";
    case SmallFileSystem::kBtrfs:
      return "Btrfs";
  }
  return "";
}

// Makes the image file of a file system that lives in one; gives "" or why
// it cannot be had here.
inline std::string MakeImage(const std::string& image, SmallFileSystem kind) {
  if (kind == SmallFileSystem::kExt4 &&
      std::system(
          ("mkfs.ext4 -q -F -b 4096 -m 0 -O ^has_journal '" + image + "' 1M >/dev/null 2>&1")
              .c_str()) != 0) {
    return "mkfs.ext4 failed or is missing";
  }
  if (kind == SmallFileSystem::kBtrfs &&
      std::system(
          ("truncate -s 114M '" + image + "' && mkfs.btrfs -q -f '" + image + "' >/dev/null 2>&1")
              .c_str()) != 0) {
    return "mkfs.btrfs failed or is missing (btrfs-progs)";
  }
  return "";
}

// How OnPrivateMount begins its report where it could not mount: a test
// skips on it, with the reason that follows.
inline constexpr std::string_view kCannotMount = "cannot mount a file system of the test's own: ";

// Runs `body` in a child process (see InChildProcess) with a mount namespace
// of its own, in which a new file system of the kind is mounted on the empty
// folder `at`: seen by the child alone and gone with it, so that no test can
// leave a mount behind. The ext4 or btrfs image is the file `at` with ".img"
// added. Needs root (CI runs as root), and for ext4 or btrfs its mkfs and a
// loop device; elsewhere the report is kCannotMount and the reason.
inline std::string OnPrivateMount(const std::filesystem::path& at, SmallFileSystem kind,
                                  const std::function<std::string()>& body) {
  const std::string image = at.string() + ".img";
  if (const std::string why = MakeImage(image, kind); !why.empty()) {
    return std::string(kCannotMount) + why;
  }
  return InChildProcess([&] {
    const auto cannot = [](const char* step) {
      return std::string(kCannotMount) + step + ": " + std::strerror(errno);
    };
    if (::unshare(CLONE_NEWNS) != 0) return cannot("unshare");
    // Without this, the mount could travel back to the system's namespace.
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
      return cannot("making / private");
    }
    if (kind == SmallFileSystem::kTmpfs) {
      if (::mount("tmpfs", at.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=256k,mode=0755") != 0) {
        return cannot("mount");
      }
    } else if (std::system(("mount -o loop,nosuid,nodev '" + image + "' '" + at.string() +
                            "' >/dev/null 2>&1")
                               .c_str()) != 0) {
      return std::string(kCannotMount) + "mount -o loop failed (no loop device?)";
    }
    return body();
  });
}

// Makes the file system mounted at `at` read-only (EROFS to any write).
inline bool RemountReadOnly(const std::filesystem::path& at) {
  return ::mount(nullptr, at.c_str(), nullptr, MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV,
                 nullptr) == 0;
}

// Writes `file` until the file system holding it has no room left; gives
// the errno that stopped it (ENOSPC where it filled up).
inline int FillFileSystem(const std::filesystem::path& file) {
  const UniqueFd fd(::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
  if (!fd) return errno;
  const std::string chunk(4096, 'f');
  for (;;) {
    const ssize_t n = ::write(fd.Get(), chunk.data(), chunk.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return n < 0 ? errno : EIO;
  }
}

}  // namespace korvanta::testing
