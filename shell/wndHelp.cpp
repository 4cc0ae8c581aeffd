#include "shell/wndHelp.h"

#include "shell/help_text.h"

namespace korvanta {
namespace {

constexpr TextAreaWindowDesign kDesign{
    // Both control lists are stored last key first; the order of the keys has
    // no effect.
    .reversed = true,
    // The area follows all four edges of the window; its list has no
    // InitialParent key.
    .area = {.name = "txtHelp",
             .parent = std::nullopt,
             .place = {20, 20, 396, 322},
             .locks = kLockAllEdges},
    .area_keys = TextAreaKeyOrder::kGrouped,
    // "OK" keeps its distance to the window's right and bottom edges; it is
    // not the default button.
    .button = {.name = "btnHelpOK",
               .place = {178, 354, 80, 22},
               .locks = kLockRightBottom,
               .tab_index = 1},
    .window = {.width = 436, .height = 384, .type = 2, .title = "Help"}};

}  // namespace

wndHelp::wndHelp()
    : TextAreaWindow(kDesign, [this](PushButton& button) { btnHelpOK_Action(button); }) {}

void wndHelp::Event_Open() {
  txtHelp().SetText(HelpText());
}

void wndHelp::btnHelpOK_Action(PushButton& /*button*/) {
  SetVisible(false);
}

}  // namespace korvanta
