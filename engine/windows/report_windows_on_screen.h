#pragma once

#include "engine/report_windows.h"

namespace korvanta {

// The engine's report windows on screen: each call gives the window class's
// implicit instance, building a new window when none is open.
class ReportWindowsOnScreen : public ReportWindows {
 public:
  TextWindow& ParamWindow() override;
  TextWindow& ResultsWindow() override;
};

}  // namespace korvanta
