#include "shell/wndHelp.h"

#include "shell/help_text.h"
#include "toolkit/qt/design_builders.h"

namespace korvanta {
namespace {

constexpr WindowDesignValues kWindow{.width = 436,
                                     .height = 384,
                                     .minimum_width = 64,
                                     .minimum_height = 64,
                                     .type = 2,
                                     .title = "Help",
                                     .visible = false};

// The area follows all four edges of the window; its list has no
// InitialParent key.
constexpr ControlDesignValues kHelpArea{.name = "txtHelp",
                                        .parent = std::nullopt,
                                        .place = {20, 20, 396, 322},
                                        .locks = kLockAllEdges,
                                        .tab_index = 0};

// "OK" keeps its distance to the window's right and bottom edges; it is not
// the default button.
constexpr ControlDesignValues kOk{.name = "btnHelpOK",
                                  .place = {178, 354, 80, 22},
                                  .locks = kLockRightBottom,
                                  .tab_index = 1,
                                  .content = "OK"};

}  // namespace

void wndHelp::Layout() {
  SetProperties(WindowDesign(kWindow));
}

void wndHelp::CreateControls() {
  CreateControls0();
}

// The two control lists are stored last key first; the order of the keys has
// no effect.
void wndHelp::CreateControls0() {
  CreateControl<TextArea>("txtHelp",
                          Reversed(TextAreaDesign(kHelpArea, TextAreaKeyOrder::kGrouped)));
  CreateControl<PushButton>("btnHelpOK", Reversed(PushButtonDesign(kOk)));
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
