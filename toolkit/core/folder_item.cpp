#include "toolkit/core/folder_item.h"

#include <sys/stat.h>

namespace korvanta {

std::string FolderItem::Name() const {
  return path_.filename().string();
}

bool IsSameFile(const FolderItem& a, const FolderItem& b) {
  struct stat first {};
  struct stat second {};
  return ::stat(a.Path().c_str(), &first) == 0 && ::stat(b.Path().c_str(), &second) == 0 &&
         first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

}  // namespace korvanta
