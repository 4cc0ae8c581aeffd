#pragma once

#include "toolkit/qt/design_builders.h"
#include "toolkit/qt/push_button.h"
#include "toolkit/qt/text_area.h"
#include "toolkit/qt/window.h"

namespace korvanta {

// What tells one window of a text area and an "OK" button from another: how
// its control lists are stored, and the values of each list that its class's
// builder does not hold (design_builders.h). The button's caption is the
// kind's: "OK". The controls come in their order of creation, the window last.
struct TextAreaWindowDesign {
  // Both control lists stored last key first.
  bool reversed = false;
  ControlDesignValues area;
  TextAreaKeyOrder area_keys = TextAreaKeyOrder::kByName;
  ControlDesignValues button;
  WindowDesignValues window;
};

// A window of one text area and one "OK" button, built from its design:
// Layout applies the window's list; CreateControls makes the area, then the
// button, each under the name in its values, and binds the button's Action to
// the handler the class gives. The two controls are looked up by those names.
class TextAreaWindow : public Window {
 protected:
  // design is a constant of the class's, which outlives every window.
  TextAreaWindow(const TextAreaWindowDesign& design, PushButton::Handler ok_action);

  TextArea& Area() const;
  PushButton& Button() const;

  void Layout() override;
  void CreateControls() override;

 private:
  void CreateControls0();

  const TextAreaWindowDesign& design_;
  PushButton::Handler ok_action_;
};

}  // namespace korvanta
