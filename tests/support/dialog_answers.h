#pragma once

#include <gtest/gtest.h>

#include <QApplication>
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

template <class Dialog>
void AwaitDialog(std::function<void(Dialog&)> answer, int tries) {
  QTimer::singleShot(10, [answer, tries] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* dialog = qobject_cast<Dialog*>(modal)) {
      // Settled before the answer runs: an answer may wait for another dialog.
      --PendingDialogAnswers();
      answer(*dialog);
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
