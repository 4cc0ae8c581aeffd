#pragma once

#include <string>
#include <vector>

#include "engine/report_windows.h"

namespace korvanta::testing {

// A report window that records every call, in order, and keeps the state the
// calls leave: title, visibility and text.
class RecordingWindow : public TextWindow {
 public:
  void SetTitle(const std::string& value) override {
    calls.push_back("SetTitle(" + value + ")");
    title = value;
  }
  void SetVisible(bool value) override {
    calls.push_back(value ? "SetVisible(true)" : "SetVisible(false)");
    visible = value;
  }
  void SetText(const std::string& value) override {
    calls.push_back("SetText(" + value + ")");
    text = value;
  }
  void AddText(const std::string& value) override {
    calls.push_back("AddText(" + value + ")");
    text += value;
  }

  std::vector<std::string> calls;
  std::string title;
  bool visible = false;
  std::string text;
  int lookups = 0;  // how often the engine asked for this window
};

class RecordingWindows : public ReportWindows {
 public:
  TextWindow& ParamWindow() override {
    ++param.lookups;
    return param;
  }
  TextWindow& ResultsWindow() override {
    ++results.lookups;
    return results;
  }

  RecordingWindow param;
  RecordingWindow results;
};

}  // namespace korvanta::testing
