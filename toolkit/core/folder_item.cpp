#include "toolkit/core/folder_item.h"

namespace korvanta {

std::string FolderItem::Name() const {
  return path_.filename().string();
}

}  // namespace korvanta
