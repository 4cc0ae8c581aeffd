#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace korvanta::testing {

// How many answers AnswerNextDialog holds for dialogs still to come. While
// one waits, a real dialog on the screen is the one the test asked for.
inline int& PendingDialogAnswers() {
  static int pending = 0;
  return pending;
}

namespace detail {

// An answer that did not close its dialog would leave the test waiting in
// the dialog's event loop for good: after a while the test fails and the
// dialog is closed as Escape would close it.
template <class Dialog>
void CloseIfStillOpen(QPointer<Dialog> dialog) {
  QTimer::singleShot(5000, [dialog] {
    if (dialog == nullptr || !dialog->isVisible()) return;
    ADD_FAILURE() << "the dialog stayed open after the test's answer";
    dialog->reject();
  });
}

template <class Dialog>
void AwaitDialog(std::function<void(Dialog&)> answer, int tries) {
  QTimer::singleShot(10, [answer, tries] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* dialog = qobject_cast<Dialog*>(modal)) {
      // Settled before the answer runs: an answer may wait for another dialog.
      --PendingDialogAnswers();
      answer(*dialog);
      CloseIfStillOpen(QPointer<Dialog>(dialog));
    } else if (tries > 0) {
      AwaitDialog(answer, tries - 1);
    } else {
      --PendingDialogAnswers();
      ADD_FAILURE() << "the expected dialog never came";
      if (modal != nullptr) modal->close();
    }
  });
}

}  // namespace detail

// Answers the next modal dialog of the kind once it is up, as a user would.
template <class Dialog>
void AnswerNextDialog(std::function<void(Dialog&)> answer, int tries = 200) {
  ++PendingDialogAnswers();
  detail::AwaitDialog(std::move(answer), tries);
}

}  // namespace korvanta::testing
