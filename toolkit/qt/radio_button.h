#pragma once

#include <functional>
#include <string>

#include "toolkit/qt/rect_control.h"

class QRadioButton;

namespace korvanta {

// A radio button. The radio buttons of one parent (a group box or the
// window) exclude each other. Action is raised when the user clicks the
// button; setting Value from code raises nothing.
class RadioButton : public RectControl {
 public:
  static constexpr const char* kClassName = "RadioButton";
  using Handler = std::function<void(RadioButton&)>;

  RadioButton();
  const char* ClassName() const override { return kClassName; }

  std::string Caption() const;
  void SetCaption(const std::string& caption);
  bool Value() const;
  // True clears the other buttons of the parent; false clears this one only,
  // so code can leave all of them cleared.
  void SetValue(bool value);

  void SetActionHandler(Handler handler) { action_ = std::move(handler); }
  // Clicks the button as the user does: selects it and raises Action, when
  // it can be used.
  void Press();

 protected:
  void ApplyOwnProperties(const DesignList& design) override;

 private:
  QRadioButton* button_;
  Handler action_;
};

}  // namespace korvanta
