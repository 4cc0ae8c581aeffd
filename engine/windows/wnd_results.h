#pragma once

#include <string>

#include "engine/report_windows.h"
#include "toolkit/qt/push_button.h"
#include "toolkit/qt/text_area.h"
#include "toolkit/qt/window.h"

namespace korvanta {

// The results window: the transformed points, one line each, in txtTransformed.
// Built hidden; each transformation titles it, shows it and appends its lines
// after what it holds. "OK" closes it, and the next transformation gets a
// fresh, empty one.
class wndResults : public Window, public TextWindow {
 public:
  TextArea& txtTransformed() const;
  PushButton& btnResultsOK() const;

  void btnResultsOK_Action(PushButton& button);

  // TextWindow, for the engine.
  void SetTitle(const std::string& title) override { Window::SetTitle(title); }
  void SetVisible(bool visible) override { Window::SetVisible(visible); }
  void SetText(const std::string& text) override;
  void AddText(const std::string& text) override;

 protected:
  void Layout() override;
  void CreateControls() override;

 private:
  void CreateControls0();
};

}  // namespace korvanta
