#pragma once

#include <functional>
#include <string>

#include "toolkit/qt/rect_control.h"

class QPushButton;

namespace korvanta {

// A push button. Its Action is raised when the user clicks it (or presses
// Return or Escape while it is its window's default or cancel button).
class PushButton : public RectControl {
 public:
  static constexpr const char* kClassName = "PushButton";
  using Handler = std::function<void(PushButton&)>;

  PushButton();
  const char* ClassName() const override { return kClassName; }

  std::string Caption() const;
  void SetCaption(const std::string& caption);
  // The default button is pressed by Return, the cancel button by Escape,
  // when the focused control does not take the key itself.
  bool Default() const { return default_; }
  void SetDefault(bool on);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool on) { cancel_ = on; }

  void SetActionHandler(Handler handler) { action_ = std::move(handler); }
  // Presses the button as a click does: raises Action when it can be used.
  void Press();

 protected:
  void ApplyOwnProperties(const DesignList& design) override;

 private:
  QPushButton* button_;
  bool default_ = false;
  bool cancel_ = false;
  Handler action_;
};

}  // namespace korvanta
