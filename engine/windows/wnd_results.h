#pragma once

#include "engine/windows/report_window.h"

namespace korvanta {

// The results window: the transformed points, one line each, in txtTransformed.
// Built hidden; each transformation titles it, shows it and appends its lines
// after what it holds. "OK" closes it, and the next transformation gets a
// fresh, empty one.
class wndResults : public ReportWindow {
 public:
  wndResults();

  TextArea& txtTransformed() const { return Area(); }
  PushButton& btnResultsOK() const { return Button(); }

  void btnResultsOK_Action(PushButton& button);
};

}  // namespace korvanta
