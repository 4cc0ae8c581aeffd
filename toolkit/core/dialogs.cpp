#include "toolkit/core/dialogs.h"

#include <utility>

namespace korvanta {
namespace {

DialogPresenter& Presenter() {
  static DialogPresenter presenter;
  return presenter;
}

}  // namespace

FolderItemRef GetOpenFolderItem(std::string_view filter) {
  if (!Presenter().open) return std::nullopt;
  return Presenter().open(std::string(filter));
}

FolderItemRef GetSaveFolderItem(std::string_view filter, std::string_view default_name) {
  if (!Presenter().save) return std::nullopt;
  return Presenter().save(std::string(filter), std::string(default_name));
}

DialogPresenter SetDialogPresenter(DialogPresenter presenter) {
  return std::exchange(Presenter(), std::move(presenter));
}

}  // namespace korvanta
