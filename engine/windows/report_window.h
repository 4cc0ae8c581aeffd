#pragma once

#include <string>

#include "engine/report_windows.h"
#include "toolkit/qt/text_area.h"
#include "toolkit/qt/window.h"

namespace korvanta {

// A report window of the engine: a window whose one text area the engine
// titles, shows and fills through TextWindow.
class ReportWindow : public Window, public TextWindow {
 public:
  void SetTitle(const std::string& title) override { Window::SetTitle(title); }
  void SetVisible(bool visible) override { Window::SetVisible(visible); }
  void SetText(const std::string& text) override { ReportArea().SetText(text); }
  void AddText(const std::string& text) override { ReportArea().AddText(text); }

 protected:
  // The text area that holds the report.
  virtual TextArea& ReportArea() const = 0;
};

}  // namespace korvanta
