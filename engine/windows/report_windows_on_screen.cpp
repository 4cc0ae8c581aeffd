#include "engine/windows/report_windows_on_screen.h"

#include "engine/windows/wnd_param.h"
#include "engine/windows/wnd_results.h"
#include "toolkit/qt/implicit_instance.h"

namespace korvanta {

TextWindow& ReportWindowsOnScreen::ParamWindow() {
  return ImplicitInstance<wndParam>();
}

TextWindow& ReportWindowsOnScreen::ResultsWindow() {
  return ImplicitInstance<wndResults>();
}

}  // namespace korvanta
