#pragma once

#include <stdexcept>
#include <string>

namespace korvanta {

// The toolkit's error kinds. Each carries a text that names what failed, so the
// default handling of uncaught errors can say something useful to the user.
class RuntimeException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class OutOfBoundsException : public RuntimeException {
 public:
  using RuntimeException::RuntimeException;
};

class NilObjectException : public RuntimeException {
 public:
  using RuntimeException::RuntimeException;
};

class IOException : public RuntimeException {
 public:
  IOException(int error_number, std::string message)
      : RuntimeException("I/O error " + std::to_string(error_number) +
                         (message.empty() ? "" : ": " + message)),
        error_number_(error_number),
        message_(std::move(message)) {}

  int ErrorNumber() const { return error_number_; }
  const std::string& Message() const { return message_; }

 private:
  int error_number_;
  std::string message_;
};

// A write that failed after the file was emptied or partly written: the file
// may hold only some of the new lines.
class IncompleteFileException : public IOException {
 public:
  using IOException::IOException;
};

// The file is of a kind that cannot be read or written as text here (a FIFO,
// a device, a socket). The text says which kind, for the user.
class FileKindException : public RuntimeException {
 public:
  using RuntimeException::RuntimeException;
};

// A line longer than a text stream takes: the file is not text of lines, or
// not the file the user meant.
class LineTooLongException : public RuntimeException {
 public:
  using RuntimeException::RuntimeException;
};

// Text in an encoding the streams do not read (UTF-16).
class TextEncodingException : public RuntimeException {
 public:
  using RuntimeException::RuntimeException;
};

}  // namespace korvanta
