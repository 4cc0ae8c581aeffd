#include "toolkit/core/text_stream.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <utility>

#include "toolkit/core/exceptions.h"
#include "toolkit/core/file_kind.h"

namespace korvanta {

void ThrowIOException(int error_number) {
  throw IOException(error_number, error_number != 0 ? std::strerror(error_number) : "");
}

namespace {

constexpr std::size_t kReadBytes = 64 * 1024;
// What the start of a file must show to be taken for UTF-16 without a mark.
constexpr std::size_t kSniffBytes = 64;

void RequireNamed(const FolderItemRef& file) {
  if (!file) throw NilObjectException("no file was chosen");
}

void RequireRegular(mode_t mode) {
  if (!S_ISREG(mode)) {
    throw FileKindException("it is not a regular file but " + FileKindName(mode));
  }
}

// A UTF-16 byte-order mark, or NUL bytes in every odd (little-endian) or
// every even (big-endian) position with none in the others: what ASCII text
// looks like in UTF-16.
bool LooksLikeUtf16(std::string_view start) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(start[i]); };
  if (start.size() >= 2 &&
      ((byte(0) == 0xFF && byte(1) == 0xFE) || (byte(0) == 0xFE && byte(1) == 0xFF))) {
    return true;
  }
  const std::size_t pairs = start.size() / 2;
  if (pairs < 2) return false;
  bool little = true;
  bool big = true;
  for (std::size_t i = 0; i < pairs; ++i) {
    const bool first_nul = byte(2 * i) == 0;
    const bool second_nul = byte(2 * i + 1) == 0;
    little = little && !first_nul && second_nul;
    big = big && first_nul && !second_nul;
  }
  return little || big;
}

}  // namespace

TextInputStream::TextInputStream(UniqueFd fd) : fd_(std::move(fd)) {}

TextInputStream TextInputStream::Open(const FolderItemRef& file) {
  RequireNamed(file);
  const char* path = file->Path().c_str();
  // The kind is looked at before the open, so that no device is ever
  // opened, and again after it, in case the file was replaced in between.
  struct stat info {};
  errno = 0;
  if (::stat(path, &info) != 0) ThrowIOException(errno);
  RequireRegular(info.st_mode);
  errno = 0;
  UniqueFd fd(::open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (!fd) ThrowIOException(errno);
  if (::fstat(fd.Get(), &info) != 0) ThrowIOException(errno);
  RequireRegular(info.st_mode);
  MakeBlocking(fd.Get());
  return TextInputStream(std::move(fd));
}

TextInputStream TextInputStream::FromDescriptor(int fd) {
  return TextInputStream(UniqueFd(fd));
}

// Reads more after the unread bytes; false at the end of the file. Called
// only with fewer unread bytes than kSniffBytes, so there is always room.
bool TextInputStream::Fill() {
  if (at_end_ || !fd_) return false;
  if (!buffer_) buffer_ = std::make_unique_for_overwrite<char[]>(kReadBytes);
  if (begin_ > 0) {
    std::copy(buffer_.get() + begin_, buffer_.get() + end_, buffer_.get());
    end_ -= begin_;
    begin_ = 0;
  }
  while (true) {
    errno = 0;
    const ssize_t got = ::read(fd_.Get(), buffer_.get() + end_, kReadBytes - end_);
    if (got > 0) {
      end_ += static_cast<std::size_t>(got);
      return true;
    }
    if (got == 0) {
      at_end_ = true;
      return false;
    }
    if (errno != EINTR) ThrowIOException(errno != 0 ? errno : EIO);
  }
}

// Looks at the start of the text in the buffer: a UTF-8 mark is skipped,
// UTF-16 refused. Until it passes, every read looks again and refuses again.
void TextInputStream::Start() {
  while (Buffered() < kSniffBytes && Fill()) {
  }
  const std::string_view start(buffer_.get() + begin_, Buffered());
  if (LooksLikeUtf16(start)) throw TextEncodingException("the file is UTF-16 text");
  if (start.starts_with("\xEF\xBB\xBF")) begin_ += 3;
  started_ = true;
}

bool TextInputStream::EndOfFile() {
  if (!started_) Start();
  return Buffered() == 0 && !Fill();
}

std::string TextInputStream::ReadLine() {
  if (!started_) Start();
  std::string line;
  while (Buffered() > 0 || Fill()) {
    const char* first = buffer_.get() + begin_;
    const char* last = buffer_.get() + end_;
    const char* stop = std::find_if(first, last, [](char c) { return c == '\n' || c == '\r'; });
    const auto taken = static_cast<std::size_t>(stop - first);
    if (line.size() + taken > kMaxLineBytes) {
      throw LineTooLongException("the line is longer than " + std::to_string(kMaxLineBytes) +
                                 " bytes");
    }
    line.append(first, stop);
    begin_ += taken;
    if (stop == last) continue;
    const char line_end = *stop;
    ++begin_;
    if (line_end == '\r' && (Buffered() > 0 || Fill()) && buffer_[begin_] == '\n') ++begin_;
    return line;
  }
  return line;
}

void TextInputStream::Close() {
  fd_.Reset();
  begin_ = end_ = 0;
  at_end_ = true;
}

}  // namespace korvanta
