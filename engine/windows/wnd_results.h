#pragma once

#include "engine/windows/report_window.h"
#include "toolkit/qt/push_button.h"
#include "toolkit/qt/text_area.h"

namespace korvanta {

// The results window: the transformed points, one line each, in txtTransformed.
// Built hidden; each transformation titles it, shows it and appends its lines
// after what it holds. "OK" closes it, and the next transformation gets a
// fresh, empty one.
class wndResults : public ReportWindow {
 public:
  TextArea& txtTransformed() const;
  PushButton& btnResultsOK() const;

  void btnResultsOK_Action(PushButton& button);

 protected:
  void Layout() override;
  void CreateControls() override;
  TextArea& ReportArea() const override { return txtTransformed(); }

 private:
  void CreateControls0();
};

}  // namespace korvanta
