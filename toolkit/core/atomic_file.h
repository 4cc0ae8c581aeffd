#pragma once

#include <string>
#include <vector>

#include "toolkit/core/folder_item.h"

namespace korvanta {

// Replaces the whole content of the file with the lines, each ended with LF,
// so that the file holds either all of the new lines or its earlier content,
// never a part: the lines go to a temporary file in the same folder, which is
// flushed to disk and then renamed over the file. A file reached through a
// symbolic link is replaced where the link points, and the link stays. An
// existing file keeps its permissions. Throws IOException (the errno and the
// system's text) when any step fails; the temporary file is then removed and
// the file is as it was.
void ReplaceFileLines(const FolderItem& file, const std::vector<std::string>& lines);

}  // namespace korvanta
