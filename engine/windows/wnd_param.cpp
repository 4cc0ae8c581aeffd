#include "engine/windows/wnd_param.h"

#include <cstdint>

#include "toolkit/qt/design.h"

namespace korvanta {
namespace {

constexpr Color kWhite{0x00FFFFFF};
constexpr Color kBlack{0x00000000};
constexpr std::int64_t kNoControlSet = -2147483648LL;

const DesignList& WindowDesign() {
  static const DesignList design{
      {"Width", 308},
      {"Height", 274},
      {"MinimumWidth", 64},
      {"MinimumHeight", 64},
      {"MaximumWidth", 32000},
      {"MaximumHeight", 32000},
      {"Type", 1},
      {"Title", "Coefficients"},
      {"HasCloseButton", true},
      {"HasMaximizeButton", true},
      {"HasMinimizeButton", true},
      {"HasFullScreenButton", false},
      {"Resizeable", true},
      {"Composite", false},
      {"MacProcID", 0},
      {"FullScreen", false},
      {"DefaultLocation", 0},
      {"Visible", true},
      {"HasBackgroundColor", false},
      {"BackgroundColor", kWhite},
      {"MenuBarVisible", true},
  };
  return design;
}

const DesignList& ParamDesign() {
  static const DesignList design{
      {"Name", "txtParam"},
      {"Index", kNoControlSet},
      {"Left", 20},
      {"Top", 20},
      {"Width", 268},
      {"Height", 210},
      {"LockLeft", true},
      {"LockTop", true},
      {"LockRight", false},
      {"LockBottom", false},
      {"TabIndex", 0},
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
  };
  return design;
}

const DesignList& OkDesign() {
  static const DesignList design{
      {"Name", "btmParamOK"}, {"Index", kNoControlSet},
      {"Left", 119},          {"Top", 242},
      {"Width", 80},          {"Height", 22},
      {"LockLeft", true},     {"LockTop", false},
      {"LockRight", false},   {"LockBottom", true},
      {"TabIndex", 2},        {"TabPanelIndex", 0},
      {"TabStop", true},      {"AllowAutoDeactivate", true},
      {"MacButtonStyle", 0},  {"Cancel", false},
      {"Caption", "OK"},      {"Default", true},
      {"Enabled", true},      {"Tooltip", ""},
      {"Transparent", false}, {"Visible", true},
      {"FontName", "System"}, {"FontSize", 0.0},
      {"FontUnit", 0},        {"Bold", false},
      {"Italic", false},      {"Underline", false},
      {"InitialParent", ""},
  };
  return design;
}

}  // namespace

void wndParam::Layout() {
  SetProperties(WindowDesign());
}

void wndParam::CreateControls() {
  CreateControls0();
}

void wndParam::CreateControls0() {
  CreateControl<TextArea>("txtParam", ParamDesign());
  CreateControl<PushButton>("btmParamOK", OkDesign());
  btmParamOK().SetActionHandler([this](PushButton& button) { btmParamOK_Action(button); });
}

TextArea& wndParam::txtParam() const {
  return ControlAs<TextArea>("txtParam");
}

PushButton& wndParam::btmParamOK() const {
  return ControlAs<PushButton>("btmParamOK");
}

void wndParam::btmParamOK_Action(PushButton& /*button*/) {
  txtParam().SetText("");
  SetVisible(false);
}

void wndParam::SetText(const std::string& text) {
  txtParam().SetText(text);
}

void wndParam::AddText(const std::string& text) {
  txtParam().AddText(text);
}

}  // namespace korvanta
