#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>

#include "tests/support/message_recorder.h"
#include "toolkit/qt/window.h"

namespace korvanta::testing {

// Runs the deletions that windows closed outside an event loop have left
// pending, as the event loop would once a handler returns.
inline void DeliverDeferredDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Every window test leaves no window behind, and records its messages.
class GuiTest : public ::testing::Test {
 protected:
  void TearDown() override { DestroyAllWindows(); }

  MessageRecorder messages;
};

}  // namespace korvanta::testing
