#pragma once

#include "engine/windows/report_window.h"
#include "toolkit/qt/push_button.h"
#include "toolkit/qt/text_area.h"

namespace korvanta {

// The coefficients window: the coefficient report in txtParam. Shown when it
// is built; "OK" empties and hides it, so the same window serves the next
// report. Its close box ends it, and the next report builds a fresh one.
class wndParam : public ReportWindow {
 public:
  TextArea& txtParam() const;
  PushButton& btmParamOK() const;

  void btmParamOK_Action(PushButton& button);

 protected:
  void Layout() override;
  void CreateControls() override;
  TextArea& ReportArea() const override { return txtParam(); }

 private:
  void CreateControls0();
};

}  // namespace korvanta
