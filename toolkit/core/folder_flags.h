#pragma once

#include <filesystem>

namespace korvanta {

// True where the folder is marked append-only or immutable (chattr +a, +i):
// no entry in it may be renamed or removed, so that a temporary file made
// there could never take the file's place nor go away again. False where the
// flags cannot be read: not every file system has them.
bool FolderKeepsItsEntries(const std::filesystem::path& folder);

}  // namespace korvanta
