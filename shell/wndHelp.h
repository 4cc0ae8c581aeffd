#pragma once

#include "toolkit/qt/text_area_window.h"

namespace korvanta {

// The help window: the order of work and the file formats in txtHelp, which
// the user may edit. Built hidden with its text; "OK" only hides it, so the
// text (and whatever the user typed) stays for the next "Help". Its close
// box ends it, and the next use builds it anew with a fresh text.
class wndHelp : public TextAreaWindow {
 public:
  wndHelp();

  TextArea& txtHelp() const { return Area(); }
  PushButton& btnHelpOK() const { return Button(); }

  void btnHelpOK_Action(PushButton& button);

 protected:
  // Builds the help text, once for each window object.
  void Event_Open() override;
};

}  // namespace korvanta
