#pragma once

#include <gtest/gtest.h>

#include <string>

#include "engine/transform_engine.h"
#include "tests/support/message_recorder.h"
#include "tests/support/shared_arrays.h"
#include "tests/support/recording_windows.h"
#include "tests/support/temp_files.h"

namespace korvanta::testing {

// Fresh shared arrays for every test, a folder for its files, a recorder
// for its messages and recording report windows.
class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSharedArrays();
  }

  // Writes a control file and reads it; fails the test when it is refused.
  void LoadControl(const std::string& text) {
    engine.ControlFile = folder.Write("control.csv", text);
    ASSERT_TRUE(engine.ReadControl().has_value()) << Messages();
  }

  void LoadPoints(const std::string& text) {
    engine.PointFile = folder.Write("points.csv", text);
    ASSERT_TRUE(engine.ReadPoints().has_value()) << Messages();
  }

  std::string Messages() const {
    std::string all;
    for (const auto& t : messages.texts) all += t + "\n";
    return all;
  }

  TempFolder folder;
  MessageRecorder messages;
  RecordingWindows windows;
  TransformEngine engine{&windows};
};

}  // namespace korvanta::testing
