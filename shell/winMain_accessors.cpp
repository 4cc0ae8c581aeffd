#include "shell/winMain.h"

// Each accessor finds its control by name and gives it typed as its class.
namespace korvanta {

GroupBox& winMain::grpIO() const {
  return ControlAs<GroupBox>("grpIO");
}

PushButton& winMain::btnInControlFile() const {
  return ControlAs<PushButton>("btnInControlFile");
}

PushButton& winMain::btnOutFile() const {
  return ControlAs<PushButton>("btnOutFile");
}

TextField& winMain::txtControlFile() const {
  return ControlAs<TextField>("txtControlFile");
}

TextField& winMain::txtOutFile() const {
  return ControlAs<TextField>("txtOutFile");
}

PushButton& winMain::btnPointFile() const {
  return ControlAs<PushButton>("btnPointFile");
}

TextField& winMain::txtPointFile() const {
  return ControlAs<TextField>("txtPointFile");
}

TextField& winMain::txtNumControl() const {
  return ControlAs<TextField>("txtNumControl");
}

TextField& winMain::txtNumPoints() const {
  return ControlAs<TextField>("txtNumPoints");
}

Label& winMain::lblNumber() const {
  return ControlAs<Label>("lblNumber");
}

GroupBox& winMain::grpTrans() const {
  return ControlAs<GroupBox>("grpTrans");
}

RadioButton& winMain::radConformal() const {
  return ControlAs<RadioButton>("radConformal");
}

RadioButton& winMain::radAffine() const {
  return ControlAs<RadioButton>("radAffine");
}

RadioButton& winMain::radProject() const {
  return ControlAs<RadioButton>("radProject");
}

TextField& winMain::txtConformDF() const {
  return ControlAs<TextField>("txtConformDF");
}

TextField& winMain::txtProjectDF() const {
  return ControlAs<TextField>("txtProjectDF");
}

TextField& winMain::txtAffineDF() const {
  return ControlAs<TextField>("txtAffineDF");
}

Label& winMain::lblDF() const {
  return ControlAs<Label>("lblDF");
}

Label& winMain::lblMinControl() const {
  return ControlAs<Label>("lblMinControl");
}

Label& winMain::lblProjCtrl() const {
  return ControlAs<Label>("lblProjCtrl");
}

Label& winMain::lblAffCtrl() const {
  return ControlAs<Label>("lblAffCtrl");
}

Label& winMain::lblConCtrl() const {
  return ControlAs<Label>("lblConCtrl");
}

PushButton& winMain::btnParam() const {
  return ControlAs<PushButton>("btnParam");
}

PushButton& winMain::btnQuit() const {
  return ControlAs<PushButton>("btnQuit");
}

PushButton& winMain::btnReset() const {
  return ControlAs<PushButton>("btnReset");
}

PushButton& winMain::btnHelp() const {
  return ControlAs<PushButton>("btnHelp");
}

PushButton& winMain::btnTransform() const {
  return ControlAs<PushButton>("btnTransform");
}

Label& winMain::lblAuthor() const {
  return ControlAs<Label>("lblAuthor");
}

}  // namespace korvanta
