#include "engine/windows/wnd_results.h"

#include <cstdint>

#include "toolkit/qt/design.h"

namespace korvanta {
namespace {

constexpr Color kWhite{0x00FFFFFF};
constexpr Color kBlack{0x00000000};
constexpr std::int64_t kNoControlSet = -2147483648LL;

const DesignList& WindowDesign() {
  static const DesignList design{
      {"Width", 360},
      {"Height", 314},
      {"MinimumWidth", 64},
      {"MinimumHeight", 64},
      {"MaximumWidth", 32000},
      {"MaximumHeight", 32000},
      {"Type", 1},
      {"Title", "Transformatin Results"},
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

const DesignList& TransformedDesign() {
  static const DesignList design{
      {"Name", "txtTransformed"},
      {"Index", kNoControlSet},
      {"Left", 30},
      {"Top", 10},
      {"Width", 300},
      {"Height", 237},
      {"LockLeft", true},
      {"LockTop", true},
      {"LockRight", false},
      {"LockBottom", false},
      {"TabIndex", 1},
      {"TabPanelIndex", 0},
      {"TabStop", true},
      {"AllowAutoDeactivate", true},
      {"AllowFocusRing", true},
      {"AllowSpellChecking", true},
      {"AllowStyledText", true},
      {"AllowTabs", false},
      {"BackgroundColor", kWhite},
      {"Bold", false},
      {"DataField", ""},
      {"DataSource", ""},
      {"Enabled", true},
      {"FontName", "System"},
      {"FontSize", 0.0},
      {"FontUnit", 0},
      {"Format", ""},
      {"HasBorder", true},
      {"HasHorizontalScrollbar", false},
      {"HasVerticalScrollbar", true},
      {"HideSelection", true},
      {"Italic", false},
      {"LineHeight", 0.0},
      {"LineSpacing", 1.0},
      {"MaximumCharactersAllowed", 0},
      {"Multiline", true},
      {"ReadOnly", false},
      {"Text", ""},
      {"TextAlignment", 0},
      {"TextColor", kBlack},
      {"Tooltip", ""},
      {"Transparent", false},
      {"Underline", false},
      {"UnicodeMode", 1},
      {"ValidationMask", ""},
      {"Visible", true},
      {"InitialParent", ""},
  };
  return design;
}

const DesignList& OkDesign() {
  static const DesignList design{
      {"Name", "btnResultsOK"},
      {"Index", kNoControlSet},
      {"Left", 140},
      {"Top", 272},
      {"Width", 80},
      {"Height", 22},
      {"LockLeft", true},
      {"LockTop", true},
      {"LockRight", false},
      {"LockBottom", false},
      {"TabIndex", 2},
      {"TabPanelIndex", 0},
      {"TabStop", true},
      {"AllowAutoDeactivate", true},
      {"MacButtonStyle", 0},
      {"Cancel", false},
      {"Caption", "OK"},
      {"Default", true},
      {"Enabled", true},
      {"Tooltip", ""},
      {"Transparent", false},
      {"Visible", true},
      {"FontName", "System"},
      {"FontSize", 0.0},
      {"FontUnit", 0},
      {"Bold", false},
      {"Italic", false},
      {"Underline", false},
      {"InitialParent", ""},
  };
  return design;
}

}  // namespace

void wndResults::Layout() {
  SetProperties(WindowDesign());
}

void wndResults::CreateControls() {
  CreateControls0();
}

void wndResults::CreateControls0() {
  CreateControl<TextArea>("txtTransformed", TransformedDesign());
  CreateControl<PushButton>("btnResultsOK", OkDesign());
  btnResultsOK().SetActionHandler([this](PushButton& button) { btnResultsOK_Action(button); });
}

TextArea& wndResults::txtTransformed() const {
  return ControlAs<TextArea>("txtTransformed");
}

PushButton& wndResults::btnResultsOK() const {
  return ControlAs<PushButton>("btnResultsOK");
}

void wndResults::btnResultsOK_Action(PushButton& /*button*/) {
  Close();
}

void wndResults::SetText(const std::string& text) {
  txtTransformed().SetText(text);
}

void wndResults::AddText(const std::string& text) {
  txtTransformed().AddText(text);
}

}  // namespace korvanta
