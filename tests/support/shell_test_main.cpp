// main() of the start-up tests. They make the application object themselves,
// and with it the real message box and file dialogs; one that no test
// answers fails the test instead of waiting.
#include <gtest/gtest.h>

#include "tests/support/unexpected_dialogs.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  korvanta::testing::FailUnansweredQtDialogs();
  return RUN_ALL_TESTS();
}
