#pragma once

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstddef>
#include <functional>
#include <vector>

#include "tests/support/message_recorder.h"
#include "toolkit/qt/application.h"
#include "toolkit/qt/window.h"

namespace korvanta::testing {

// Runs the deletions that windows closed outside an event loop have left
// pending, as the event loop would once a handler returns.
inline void DeliverDeferredDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// What the window system does when the user clicks a window's close box: a
// close event to its platform window.
inline void PressCloseBox(const Window& window) {
  QCloseEvent close;
  QCoreApplication::sendEvent(window.Widget()->windowHandle(), &close);
}

// The status RunEventLoopWith gives for a loop that did not end.
inline constexpr int kLoopWentOn = 99;

// Runs the application's event loop and, inside it, the steps in turn, a few
// milliseconds apart. Gives the loop's status; a loop still running a few
// seconds after the last step is ended with kLoopWentOn.
inline int RunEventLoopWith(const std::vector<std::function<void()>>& steps) {
  std::size_t next = 0;
  QTimer give_up;
  give_up.setSingleShot(true);
  QObject::connect(&give_up, &QTimer::timeout, [] { Application::Instance()->Quit(kLoopWentOn); });
  QTimer step;
  QObject::connect(&step, &QTimer::timeout, [&] {
    if (next < steps.size()) {
      steps[next++]();
    } else {
      step.stop();
      give_up.start(5000);
    }
  });
  step.start(10);
  return Application::Instance()->Run();
}

// Every window test leaves no window behind, and records its messages.
class GuiTest : public ::testing::Test {
 protected:
  void TearDown() override { DestroyAllWindows(); }

  MessageRecorder messages;
};

}  // namespace korvanta::testing
