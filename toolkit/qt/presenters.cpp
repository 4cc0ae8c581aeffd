#include "toolkit/qt/presenters.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QString>
#include <filesystem>

namespace korvanta {
namespace {

FolderItemRef ToFolderItem(const QString& file) {
  if (file.isEmpty()) return std::nullopt;
  // File names are bytes in the system's encoding, as the streams open them.
  return FolderItem(std::filesystem::path(QFile::encodeName(file).toStdString()));
}

}  // namespace

void ShowMessageBox(const std::string& text) {
  QMessageBox box(QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  box.setText(QString::fromStdString(text));
  box.setStandardButtons(QMessageBox::Ok);
  box.setDefaultButton(QMessageBox::Ok);
  box.exec();
}

DialogPresenter QtDialogPresenter() {
  DialogPresenter presenter;
  presenter.open = [](const std::string& filter) {
    return ToFolderItem(QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(),
                                                     QString(), QString::fromStdString(filter)));
  };
  presenter.save = [](const std::string& filter, const std::string& default_name) {
    return ToFolderItem(QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(),
                                                     QString::fromStdString(default_name),
                                                     QString::fromStdString(filter)));
  };
  return presenter;
}

}  // namespace korvanta
