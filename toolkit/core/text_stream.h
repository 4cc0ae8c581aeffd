#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "toolkit/core/folder_item.h"
#include "toolkit/core/unique_fd.h"

namespace korvanta {

// Reads a text file line by line. LF, CRLF and CR all end a line; a line end
// at the very end of the file yields no extra empty line; a UTF-8 byte-order
// mark at the start of the file (spreadsheets write one) is skipped. The
// stream reads ahead into a buffer of its own and never seeks back, so it
// reads a pipe as it reads a file.
class TextInputStream {
 public:
  // The longest line a stream gives: control and points lines are a few
  // dozen bytes, so this keeps every sensible file and bounds the memory a
  // file without line ends (a picture chosen by mistake) can take.
  static constexpr std::size_t kMaxLineBytes = std::size_t{1} << 20;

  // Throws NilObjectException when the reference holds nothing,
  // FileKindException at once, without blocking, for anything but a regular
  // file (a FIFO, a socket, a device, a folder), and IOException (errno and
  // the system's text) when the file cannot be opened. Reads nothing yet.
  static TextInputStream Open(const FolderItemRef& file);
  // A stream over an open descriptor, which it then owns and closes: a pipe
  // from another program as well as a file.
  static TextInputStream FromDescriptor(int fd);

  // EndOfFile and ReadLine throw IOException when a read fails and
  // TextEncodingException when the text is UTF-16: recognised by its
  // byte-order mark or by NUL bytes in every other position at the start.
  bool EndOfFile();
  // Also throws LineTooLongException for a line of more than kMaxLineBytes,
  // having read at most one buffer (64 KiB) past the limit and not the rest.
  std::string ReadLine();
  void Close();

 private:
  explicit TextInputStream(UniqueFd fd);
  void Start();
  bool Fill();
  std::size_t Buffered() const { return end_ - begin_; }

  UniqueFd fd_;
  std::unique_ptr<char[]> buffer_;  // kReadBytes, made at the first read
  std::size_t begin_ = 0;           // the unread bytes are buffer_[begin_, end_)
  std::size_t end_ = 0;
  bool started_ = false;
  bool at_end_ = false;
};

// The errno of the last failed call as an IOException with the system's text.
[[noreturn]] void ThrowIOException(int error_number);

}  // namespace korvanta
