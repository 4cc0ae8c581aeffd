#include "engine/windows/wnd_results.h"

namespace korvanta {
namespace {

constexpr TextAreaWindowDesign kDesign{
    .area = {.name = "txtTransformed",
             .place = {30, 10, 300, 237},
             .locks = kLockLeftTop,
             .tab_index = 1},
    // "OK" keeps its place; it is the window's default button.
    .button = {.name = "btnResultsOK",
               .place = {140, 272, 80, 22},
               .locks = kLockLeftTop,
               .tab_index = 2,
               .default_button = true},
    // Every transformation replaces the title before it shows the window. The
    // title's wording and spelling are kept on purpose and tested word for word.
    .window = {.width = 360, .height = 314, .type = 1, .title = "Transformatin Results"}};

}  // namespace

wndResults::wndResults()
    : ReportWindow(kDesign, [this](PushButton& button) { btnResultsOK_Action(button); }) {}

void wndResults::btnResultsOK_Action(PushButton& /*button*/) {
  Close();
}

}  // namespace korvanta
