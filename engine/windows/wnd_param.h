#pragma once

#include "engine/windows/report_window.h"

namespace korvanta {

// The coefficients window: the coefficient report in txtParam. Shown when it
// is built; "OK" empties and hides it, so the same window serves the next
// report. Its close box ends it, and the next report builds a fresh one.
class wndParam : public ReportWindow {
 public:
  wndParam();

  TextArea& txtParam() const { return Area(); }
  PushButton& btmParamOK() const { return Button(); }

  void btmParamOK_Action(PushButton& button);
};

}  // namespace korvanta
