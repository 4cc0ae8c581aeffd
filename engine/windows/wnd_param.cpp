#include "engine/windows/wnd_param.h"

#include "toolkit/qt/design_builders.h"

namespace korvanta {
namespace {

constexpr WindowDesignValues kWindow{.width = 308,
                                     .height = 274,
                                     .minimum_width = 64,
                                     .minimum_height = 64,
                                     .type = 1,
                                     .title = "Coefficients",
                                     .visible = true};

// The area has no InitialParent key; it sits on the window.
constexpr ControlDesignValues kParamArea{.name = "txtParam",
                                         .parent = std::nullopt,
                                         .place = {20, 20, 268, 210},
                                         .locks = kLockLeftTop,
                                         .tab_index = 0};

// "OK" moves with the bottom edge; it is the window's default button.
constexpr ControlDesignValues kOk{.name = "btmParamOK",
                                  .place = {119, 242, 80, 22},
                                  .locks = kLockLeftBottom,
                                  .tab_index = 2,
                                  .content = "OK",
                                  .default_button = true};

}  // namespace

void wndParam::Layout() {
  SetProperties(WindowDesign(kWindow));
}

void wndParam::CreateControls() {
  CreateControls0();
}

void wndParam::CreateControls0() {
  CreateControl<TextArea>("txtParam", TextAreaDesign(kParamArea, TextAreaKeyOrder::kByName));
  CreateControl<PushButton>("btmParamOK", PushButtonDesign(kOk));
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

}  // namespace korvanta
