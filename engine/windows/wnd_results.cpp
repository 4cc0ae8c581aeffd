#include "engine/windows/wnd_results.h"

#include "toolkit/qt/design_builders.h"

namespace korvanta {
namespace {

constexpr WindowDesignValues kWindow{.width = 360,
                                     .height = 314,
                                     .minimum_width = 64,
                                     .minimum_height = 64,
                                     .type = 1,
                                     .title = "Transformatin Results",
                                     .visible = false};

constexpr ControlDesignValues kTransformedArea{
    .name = "txtTransformed", .place = {30, 10, 300, 237}, .locks = kLockLeftTop, .tab_index = 1};

// "OK" keeps its place; it is the window's default button.
constexpr ControlDesignValues kOk{.name = "btnResultsOK",
                                  .place = {140, 272, 80, 22},
                                  .locks = kLockLeftTop,
                                  .tab_index = 2,
                                  .content = "OK",
                                  .default_button = true};

}  // namespace

void wndResults::Layout() {
  SetProperties(WindowDesign(kWindow));
}

void wndResults::CreateControls() {
  CreateControls0();
}

void wndResults::CreateControls0() {
  CreateControl<TextArea>("txtTransformed",
                          TextAreaDesign(kTransformedArea, TextAreaKeyOrder::kByName));
  CreateControl<PushButton>("btnResultsOK", PushButtonDesign(kOk));
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

}  // namespace korvanta
