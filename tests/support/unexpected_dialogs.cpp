#include "tests/support/unexpected_dialogs.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QFileDialog>
#include <QMessageBox>
#include <QMetaObject>
#include <QObject>
#include <QString>
#include <string>

#include "tests/support/dialog_answers.h"
#include "toolkit/core/dialogs.h"
#include "toolkit/core/message.h"

namespace korvanta::testing {
namespace {

std::string Described(const QDialog& dialog) {
  if (const auto* box = qobject_cast<const QMessageBox*>(&dialog)) {
    return "message box \"" + box->text().toStdString() + "\"";
  }
  const auto& files = static_cast<const QFileDialog&>(dialog);
  const char* kind = files.acceptMode() == QFileDialog::AcceptSave ? "save" : "open";
  return std::string(kind) + " dialog \"" + files.windowTitle().toStdString() + "\" for \"" +
         files.nameFilters().join(";;").toStdString() + "\"";
}

// Watches every object of the application for a dialog being shown.
class UnansweredDialogGuard : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Show || PendingDialogAnswers() > 0) return false;
    if (qobject_cast<QMessageBox*>(watched) == nullptr &&
        qobject_cast<QFileDialog*>(watched) == nullptr) {
      return false;
    }
    auto* dialog = static_cast<QDialog*>(watched);
    ADD_FAILURE() << "an unexpected " << Described(*dialog);
    // Its own event loop starts only after it is shown: the answer waits in
    // the queue until that loop runs.
    QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
    return false;
  }
};

void InstallGuard() {
  QCoreApplication* application = QCoreApplication::instance();
  application->installEventFilter(new UnansweredDialogGuard(application));
}

}  // namespace

void FailUnansweredMessagesAndDialogs() {
  SetMessagePresenter(
      [](const std::string& text) { ADD_FAILURE() << "an unexpected message \"" << text << "\""; });
  SetDialogPresenter(DialogPresenter{
      .open = [](const std::string& filter) -> FolderItemRef {
        ADD_FAILURE() << "an unexpected open dialog for \"" << filter << "\"";
        return std::nullopt;
      },
      .save = [](const std::string& filter, const std::string& default_name) -> FolderItemRef {
        ADD_FAILURE() << "an unexpected save dialog for \"" << filter << "\", suggesting \""
                      << default_name << "\"";
        return std::nullopt;
      },
  });
}

void FailUnansweredQtDialogs() {
  // Called at once for an application that exists, and again by every
  // application made later.
  qAddPreRoutine(InstallGuard);
}

}  // namespace korvanta::testing
