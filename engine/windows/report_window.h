#pragma once

#include <string>

#include "engine/report_windows.h"
#include "toolkit/qt/text_area_window.h"

namespace korvanta {

// A report window of the engine: a window of one text area and an "OK"
// button, whose area the engine titles, shows and fills through TextWindow.
class ReportWindow : public TextAreaWindow, public TextWindow {
 public:
  void SetTitle(const std::string& title) override { Window::SetTitle(title); }
  void SetVisible(bool visible) override { Window::SetVisible(visible); }
  void SetText(const std::string& text) override { Area().SetText(text); }
  void AddText(const std::string& text) override { Area().AddText(text); }

 protected:
  using TextAreaWindow::TextAreaWindow;
};

}  // namespace korvanta
