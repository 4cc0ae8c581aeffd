#include "toolkit/core/dialogs.h"

#include <utility>

#include "toolkit/core/presenter_seam.h"

namespace korvanta {

FolderItemRef GetOpenFolderItem(std::string_view filter) {
  const auto& open = InstalledPresenter<DialogPresenter>().open;
  if (!open) return std::nullopt;
  return open(std::string(filter));
}

FolderItemRef GetSaveFolderItem(std::string_view filter, std::string_view default_name) {
  const auto& save = InstalledPresenter<DialogPresenter>().save;
  if (!save) return std::nullopt;
  return save(std::string(filter), std::string(default_name));
}

DialogPresenter SetDialogPresenter(DialogPresenter presenter) {
  return ReplacePresenter(std::move(presenter));
}

}  // namespace korvanta
