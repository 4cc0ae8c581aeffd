#include "shell/wndHelp.h"

#include <cstdint>

#include "shell/help_text.h"
#include "toolkit/qt/design.h"

namespace korvanta {
namespace {

constexpr Color kWhite{0x00FFFFFF};
constexpr Color kBlack{0x00000000};
constexpr std::int64_t kNoControlSet = -2147483648LL;

const DesignList& WindowDesign() {
  static const DesignList design{
      {"Width", 436},
      {"Height", 384},
      {"MinimumWidth", 64},
      {"MinimumHeight", 64},
      {"MaximumWidth", 32000},
      {"MaximumHeight", 32000},
      {"Type", 2},
      {"Title", "Help"},
      {"HasCloseButton", true},
      {"HasMaximizeButton", true},
      {"HasMinimizeButton", true},
      {"HasFullScreenButton", false},
      {"Resizeable", true},
      {"Composite", false},
      {"MacProcID", 0},
      {"FullScreen", false},
      {"DefaultLocation", 0},
      {"Visible", false},
      {"HasBackgroundColor", false},
      {"BackgroundColor", kWhite},
      {"MenuBarVisible", true},
  };
  return design;
}

// The two control lists are stored last key first; the order of the keys has
// no effect. The text area follows all four edges of the window.
const DesignList& HelpAreaDesign() {
  static const DesignList design{
      {"UnicodeMode", 1},
      {"ValidationMask", ""},
      {"Format", ""},
      {"DataField", ""},
      {"DataSource", ""},
      {"AllowFocusRing", true},
      {"HideSelection", true},
      {"LineHeight", 0.0},
      {"LineSpacing", 1.0},
      {"HasBorder", true},
      {"BackgroundColor", kWhite},
      {"TextColor", kBlack},
      {"HasHorizontalScrollbar", false},
      {"HasVerticalScrollbar", true},
      {"TextAlignment", 0},
      {"MaximumCharactersAllowed", 0},
      {"AllowSpellChecking", true},
      {"AllowTabs", false},
      {"AllowStyledText", true},
      {"ReadOnly", false},
      {"Multiline", true},
      {"Text", ""},
      {"Underline", false},
      {"Italic", false},
      {"Bold", false},
      {"FontUnit", 0},
      {"FontSize", 0.0},
      {"FontName", "System"},
      {"Visible", true},
      {"Transparent", false},
      {"Tooltip", ""},
      {"Enabled", true},
      {"AllowAutoDeactivate", true},
      {"TabStop", true},
      {"TabPanelIndex", 0},
      {"TabIndex", 0},
      {"LockBottom", true},
      {"LockRight", true},
      {"LockTop", true},
      {"LockLeft", true},
      {"Height", 322},
      {"Width", 396},
      {"Top", 20},
      {"Left", 20},
      {"Index", kNoControlSet},
      {"Name", "txtHelp"},
  };
  return design;
}

// "OK" keeps its distance to the window's right and bottom edges; it is not
// the default button.
const DesignList& OkDesign() {
  static const DesignList design{
      {"InitialParent", ""},  {"Underline", false},
      {"Italic", false},      {"Bold", false},
      {"FontUnit", 0},        {"FontSize", 0.0},
      {"FontName", "System"}, {"Visible", true},
      {"Transparent", false}, {"Tooltip", ""},
      {"Enabled", true},      {"Default", false},
      {"Caption", "OK"},      {"Cancel", false},
      {"MacButtonStyle", 0},  {"AllowAutoDeactivate", true},
      {"TabStop", true},      {"TabPanelIndex", 0},
      {"TabIndex", 1},        {"LockBottom", true},
      {"LockRight", true},    {"LockTop", false},
      {"LockLeft", false},    {"Height", 22},
      {"Width", 80},          {"Top", 354},
      {"Left", 178},          {"Index", kNoControlSet},
      {"Name", "btnHelpOK"},
  };
  return design;
}

}  // namespace

void wndHelp::Layout() {
  SetProperties(WindowDesign());
}

void wndHelp::CreateControls() {
  CreateControls0();
}

void wndHelp::CreateControls0() {
  CreateControl<TextArea>("txtHelp", HelpAreaDesign());
  CreateControl<PushButton>("btnHelpOK", OkDesign());
  btnHelpOK().SetActionHandler([this](PushButton& button) { btnHelpOK_Action(button); });
}

void wndHelp::Event_Open() {
  txtHelp().SetText(HelpText());
}

TextArea& wndHelp::txtHelp() const {
  return ControlAs<TextArea>("txtHelp");
}

PushButton& wndHelp::btnHelpOK() const {
  return ControlAs<PushButton>("btnHelpOK");
}

void wndHelp::btnHelpOK_Action(PushButton& /*button*/) {
  SetVisible(false);
}

}  // namespace korvanta
