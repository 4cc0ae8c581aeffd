#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "toolkit/core/folder_item.h"

namespace korvanta {

// Reads a text file line by line. LF, CRLF and CR all end a line; a line end
// at the very end of the file yields no extra empty line; a UTF-8 byte-order
// mark at the start of the file (spreadsheets write one) is skipped.
class TextInputStream {
 public:
  // Throws NilObjectException when the reference holds nothing and
  // IOException (errno and the system's text) when the file cannot be opened.
  static TextInputStream Open(const FolderItemRef& file);

  bool EndOfFile();
  // Throws IOException when the read fails.
  std::string ReadLine();
  void Close();

 private:
  struct Closer {
    void operator()(std::FILE* f) const;
  };
  explicit TextInputStream(std::FILE* file);
  int Peek();
  void ThrowIfFailed();

  std::unique_ptr<std::FILE, Closer> file_;
};

// Writes a text file line by line; every line ends with LF.
class TextOutputStream {
 public:
  // Creates the file, or empties one that exists. Throws NilObjectException or
  // IOException as TextInputStream::Open does.
  static TextOutputStream Create(const FolderItemRef& file);

  // Throws IOException when the write fails.
  void WriteLine(std::string_view line);
  // Flushes and closes; throws IOException when the data could not be written.
  void Close();

 private:
  struct Closer {
    void operator()(std::FILE* f) const;
  };
  explicit TextOutputStream(std::FILE* file);

  std::unique_ptr<std::FILE, Closer> file_;
};

// The errno of the last failed call as an IOException with the system's text.
[[noreturn]] void ThrowIOException(int error_number);

}  // namespace korvanta
