#include <array>
#include <string>
#include <string_view>

#include "shell/winMain.h"
#include "shell/winMain_design.h"

namespace korvanta {
namespace {

template <class C>
struct Binding {
  std::string_view control;
  void (winMain::*handler)(C&);
};

constexpr std::string_view kAction = "Action";
constexpr std::string_view kTextChange = "TextChange";

// In the order the controls are created.
constexpr std::array<Binding<PushButton>, 8> kButtonActions{{
    {"btnInControlFile", &winMain::btnInControlFile_Action},
    {"btnOutFile", &winMain::btnOutFile_Action},
    {"btnPointFile", &winMain::btnPointFile_Action},
    {"btnParam", &winMain::btnParam_Action},
    {"btnQuit", &winMain::btnQuit_Action},
    {"btnReset", &winMain::btnReset_Action},
    {"btnHelp", &winMain::btnHelp_Action},
    {"btnTransform", &winMain::btnTransform_Action},
}};

constexpr std::array<Binding<RadioButton>, 3> kRadioActions{{
    {"radConformal", &winMain::radConformal_Action},
    {"radAffine", &winMain::radAffine_Action},
    {"radProject", &winMain::radProject_Action},
}};

constexpr std::array<Binding<TextField>, 3> kTextChanges{{
    {"txtControlFile", &winMain::txtControlFile_TextChange},
    {"txtOutFile", &winMain::txtOutFile_TextChange},
    {"txtPointFile", &winMain::txtPointFile_TextChange},
}};

}  // namespace

void winMain::Layout() {
  SetProperties(MainWindowDesign());
}

void winMain::CreateControls() {
  CreateControls0();
}

// Each control is made, registered, given its design and connected before
// the next one is begun, so a group box exists before what it holds.
void winMain::CreateControls0() {
  for (const ControlDesign& control : MainControlDesigns()) {
    switch (control.type) {
      case ControlClass::kGroupBox:
        CreateControl<GroupBox>(control.name, control.design);
        break;
      case ControlClass::kPushButton:
        CreateControl<PushButton>(control.name, control.design);
        break;
      case ControlClass::kTextField:
        CreateControl<TextField>(control.name, control.design);
        break;
      case ControlClass::kLabel:
        CreateControl<Label>(control.name, control.design);
        break;
      case ControlClass::kRadioButton:
        CreateControl<RadioButton>(control.name, control.design);
        break;
    }
    ConnectEvents(control.name);
  }
}

void winMain::ConnectEvents(const std::string& name) {
  // Each handler is copied out of its row: a lambda may not capture a
  // structured binding on every compiler we build with (clang 14 refuses).
  for (const Binding<PushButton>& binding : kButtonActions) {
    if (binding.control != name) continue;
    const auto handler = binding.handler;
    ControlAs<PushButton>(name).SetActionHandler(
        [this, handler](PushButton& button) { (this->*handler)(button); });
  }
  for (const Binding<RadioButton>& binding : kRadioActions) {
    if (binding.control != name) continue;
    const auto handler = binding.handler;
    ControlAs<RadioButton>(name).SetActionHandler(
        [this, handler](RadioButton& button) { (this->*handler)(button); });
  }
  for (const Binding<TextField>& binding : kTextChanges) {
    if (binding.control != name) continue;
    const auto handler = binding.handler;
    ControlAs<TextField>(name).SetTextChangeHandler(
        [this, handler](TextField& field) { (this->*handler)(field); });
  }
}

std::vector<winMain::EventBinding> winMain::EventBindings() {
  std::vector<EventBinding> bindings;
  for (const auto& binding : kButtonActions) bindings.push_back({binding.control, kAction});
  for (const auto& binding : kRadioActions) bindings.push_back({binding.control, kAction});
  for (const auto& binding : kTextChanges) bindings.push_back({binding.control, kTextChange});
  return bindings;
}

}  // namespace korvanta
