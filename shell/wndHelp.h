#pragma once

#include "toolkit/qt/push_button.h"
#include "toolkit/qt/text_area.h"
#include "toolkit/qt/window.h"

namespace korvanta {

// The help window: the order of work and the file formats in txtHelp, which
// the user may edit. Built hidden with its text; "OK" only hides it, so the
// text (and whatever the user typed) stays for the next "Help". Its close
// box ends it, and the next use builds it anew with a fresh text.
class wndHelp : public Window {
 public:
  TextArea& txtHelp() const;
  PushButton& btnHelpOK() const;

  void btnHelpOK_Action(PushButton& button);

 protected:
  void Layout() override;
  void CreateControls() override;
  // Builds the help text, once for each window object.
  void Event_Open() override;

 private:
  void CreateControls0();
};

}  // namespace korvanta
