#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace korvanta {

// A reference to a file chosen by the user. It need not exist yet (a save
// dialog yields one for a new file).
class FolderItem {
 public:
  explicit FolderItem(std::filesystem::path path) : path_(std::move(path)) {}

  // The file's name without its folder, as shown in the name fields.
  std::string Name() const;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Whether both name one existing file, whatever the path: through symbolic
// links, other hard links or another spelling of the folder. False where
// either does not exist (or cannot be looked at).
bool IsSameFile(const FolderItem& a, const FolderItem& b);

// A file reference that may hold nothing (the toolkit's nil).
using FolderItemRef = std::optional<FolderItem>;

}  // namespace korvanta
