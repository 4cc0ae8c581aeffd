#include "toolkit/qt/text_area_window.h"

#include <string>
#include <utility>

namespace korvanta {
namespace {

DesignList Stored(const DesignList& design, bool reversed) {
  return reversed ? Reversed(design) : design;
}

}  // namespace

TextAreaWindow::TextAreaWindow(const TextAreaWindowDesign& design, PushButton::Handler ok_action)
    : design_(design), ok_action_(std::move(ok_action)) {}

TextArea& TextAreaWindow::Area() const {
  return ControlAs<TextArea>(std::string(design_.area.name));
}

PushButton& TextAreaWindow::Button() const {
  return ControlAs<PushButton>(std::string(design_.button.name));
}

void TextAreaWindow::Layout() {
  SetProperties(WindowDesign(design_.window));
}

void TextAreaWindow::CreateControls() {
  CreateControls0();
}

void TextAreaWindow::CreateControls0() {
  const DesignList area = TextAreaDesign(design_.area, design_.area_keys);
  ControlDesignValues button = design_.button;
  button.content = "OK";
  CreateControl<TextArea>(std::string(design_.area.name), Stored(area, design_.reversed));
  CreateControl<PushButton>(std::string(button.name),
                            Stored(PushButtonDesign(button), design_.reversed));
  Button().SetActionHandler(ok_action_);
}

}  // namespace korvanta
