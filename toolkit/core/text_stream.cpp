#include "toolkit/core/text_stream.h"

#include <cerrno>
#include <cstring>

#include "toolkit/core/exceptions.h"

namespace korvanta {

void ThrowIOException(int error_number) {
  throw IOException(error_number, error_number != 0 ? std::strerror(error_number) : "");
}

namespace {

std::FILE* OpenFile(const FolderItemRef& file, const char* mode) {
  if (!file) throw NilObjectException("no file was chosen");
  errno = 0;
  std::FILE* f = std::fopen(file->Path().c_str(), mode);
  if (f == nullptr) ThrowIOException(errno);
  return f;
}

}  // namespace

void TextInputStream::Closer::operator()(std::FILE* f) const {
  std::fclose(f);
}

TextInputStream::TextInputStream(std::FILE* file) : file_(file) {
  // Skip a UTF-8 byte-order mark; anything else at the start is text.
  const int b0 = std::fgetc(file);
  if (b0 == 0xEF) {
    const int b1 = std::fgetc(file);
    if (b1 == 0xBB) {
      const int b2 = std::fgetc(file);
      if (b2 == 0xBF) return;
    }
  }
  std::rewind(file);
}

TextInputStream TextInputStream::Open(const FolderItemRef& file) {
  return TextInputStream(OpenFile(file, "rb"));
}

void TextInputStream::ThrowIfFailed() {
  if (file_ && std::ferror(file_.get())) ThrowIOException(errno != 0 ? errno : EIO);
}

int TextInputStream::Peek() {
  if (!file_) return EOF;
  errno = 0;
  const int c = std::fgetc(file_.get());
  if (c == EOF) {
    ThrowIfFailed();
    return EOF;
  }
  std::ungetc(c, file_.get());
  return c;
}

bool TextInputStream::EndOfFile() {
  return Peek() == EOF;
}

std::string TextInputStream::ReadLine() {
  std::string line;
  if (!file_) return line;
  errno = 0;
  while (true) {
    const int c = std::fgetc(file_.get());
    if (c == EOF) {
      ThrowIfFailed();
      return line;
    }
    if (c == '\n') return line;
    if (c == '\r') {
      const int next = std::fgetc(file_.get());
      if (next != '\n' && next != EOF) std::ungetc(next, file_.get());
      if (next == EOF) ThrowIfFailed();
      return line;
    }
    line.push_back(static_cast<char>(c));
  }
}

void TextInputStream::Close() {
  file_.reset();
}

void TextOutputStream::Closer::operator()(std::FILE* f) const {
  std::fclose(f);
}

TextOutputStream::TextOutputStream(std::FILE* file) : file_(file) {}

TextOutputStream TextOutputStream::Create(const FolderItemRef& file) {
  return TextOutputStream(OpenFile(file, "wb"));
}

void TextOutputStream::WriteLine(std::string_view line) {
  if (!file_) throw NilObjectException("the output stream is closed");
  errno = 0;
  if (std::fwrite(line.data(), 1, line.size(), file_.get()) != line.size() ||
      std::fputc('\n', file_.get()) == EOF) {
    ThrowIOException(errno != 0 ? errno : EIO);
  }
}

void TextOutputStream::Close() {
  if (!file_) return;
  errno = 0;
  std::FILE* f = file_.release();
  const bool flushed = std::fflush(f) == 0 && !std::ferror(f);
  const int flush_errno = errno;
  const bool closed = std::fclose(f) == 0;
  if (!flushed) ThrowIOException(flush_errno != 0 ? flush_errno : EIO);
  if (!closed) ThrowIOException(errno != 0 ? errno : EIO);
}

}  // namespace korvanta
