// main() of the window tests: the application object (and with it the
// QApplication, the look and the Qt presenters) exists before any test, as
// it does in the program. Tests replace the presenters through the seams;
// where none does, a message or dialog fails the test instead of waiting.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

#include "tests/support/unexpected_dialogs.h"
#include "toolkit/qt/application.h"

int main(int argc, char** argv) {
  // Headless unless told otherwise, also when CTest lists the tests.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
  ::testing::InitGoogleTest(&argc, argv);
  korvanta::Application::SetSupportsHiDPI(true);
  korvanta::Application application(argc, argv);
  korvanta::testing::FailUnansweredMessagesAndDialogs();
  korvanta::testing::FailUnansweredQtDialogs();
  return RUN_ALL_TESTS();
}
