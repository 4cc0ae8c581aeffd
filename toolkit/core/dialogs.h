#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "toolkit/core/folder_item.h"

namespace korvanta {

// The modal file dialogs. Each gives the chosen file, or nothing on cancel.
// Like MessageBox they go through one seam: the Qt layer installs real
// dialogs, tests answer them directly.
FolderItemRef GetOpenFolderItem(std::string_view filter);
// The save dialog asks before an existing file is replaced.
FolderItemRef GetSaveFolderItem(std::string_view filter, std::string_view default_name);

struct DialogPresenter {
  std::function<FolderItemRef(const std::string& filter)> open;
  std::function<FolderItemRef(const std::string& filter, const std::string& default_name)> save;
};
// Installs the presenter and returns the one it replaces.
DialogPresenter SetDialogPresenter(DialogPresenter presenter);

}  // namespace korvanta
