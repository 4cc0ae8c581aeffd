#pragma once

#include <sys/types.h>

#include <string>

namespace korvanta {

// The kind of a file as a user reads it: "a FIFO (named pipe)", "a character
// device", "a folder", ...; "a regular file" for a plain file.
std::string FileKindName(mode_t mode);

}  // namespace korvanta
