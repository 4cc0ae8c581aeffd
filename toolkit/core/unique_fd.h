#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <utility>

namespace korvanta {

// An open file descriptor, closed when its owner goes.
class UniqueFd {
 public:
  UniqueFd() = default;
  explicit UniqueFd(int fd) : fd_(fd) {}
  UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  UniqueFd& operator=(UniqueFd&& other) noexcept {
    if (this != &other) {
      Reset();
      fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
  }
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;
  ~UniqueFd() { Reset(); }

  int Get() const { return fd_; }
  explicit operator bool() const { return fd_ >= 0; }
  void Reset() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }
  // Closes now and gives close's result, for a write whose failure may show
  // only there.
  int Close() { return ::close(std::exchange(fd_, -1)); }

 private:
  int fd_ = -1;
};

// Clears O_NONBLOCK: a non-blocking open keeps a FIFO from holding up the
// open itself, and the reads and writes after it are plain ones.
inline void MakeBlocking(int fd) {
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
}

}  // namespace korvanta
