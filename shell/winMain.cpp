#include "shell/winMain.h"

namespace korvanta {

winMain::winMain() : TransformEngine(&report_windows_) {}

winMain::~winMain() = default;

void winMain::Event_Open() {
  txtControlFile().SetVisible(false);
  btnPointFile().SetEnabled(false);
  txtPointFile().SetVisible(false);
  btnOutFile().SetEnabled(false);
  txtOutFile().SetVisible(false);
  btnTransform().SetEnabled(false);
  lblAuthor().SetFontSize(10);
  lblAuthor().SetItalic(true);
}

}  // namespace korvanta
