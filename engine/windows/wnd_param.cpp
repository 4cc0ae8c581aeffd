#include "engine/windows/wnd_param.h"

namespace korvanta {
namespace {

constexpr TextAreaWindowDesign kDesign{
    // The area has no InitialParent key; it sits on the window.
    .area = {.name = "txtParam",
             .parent = std::nullopt,
             .place = {20, 20, 268, 210},
             .locks = kLockLeftTop},
    // "OK" moves with the bottom edge; it is the window's default button.
    .button = {.name = "btmParamOK",
               .place = {119, 242, 80, 22},
               .locks = kLockLeftBottom,
               .tab_index = 2,
               .default_button = true},
    .window = {.width = 308, .height = 274, .type = 1, .title = "Coefficients", .visible = true}};

}  // namespace

wndParam::wndParam()
    : ReportWindow(kDesign, [this](PushButton& button) { btmParamOK_Action(button); }) {}

void wndParam::btmParamOK_Action(PushButton& /*button*/) {
  txtParam().SetText("");
  SetVisible(false);
}

}  // namespace korvanta
