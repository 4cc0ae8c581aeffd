#pragma once

#include <string>

#include "engine/report_windows.h"
#include "toolkit/qt/push_button.h"
#include "toolkit/qt/text_area.h"
#include "toolkit/qt/window.h"

namespace korvanta {

// The coefficients window: the coefficient report in txtParam. Shown when it
// is built; "OK" empties and hides it, so the same window serves the next
// report. Its close box ends it, and the next report builds a fresh one.
class wndParam : public Window, public TextWindow {
 public:
  TextArea& txtParam() const;
  PushButton& btmParamOK() const;

  void btmParamOK_Action(PushButton& button);

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
