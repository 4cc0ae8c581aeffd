#pragma once

#include <functional>
#include <string>

#include "toolkit/qt/design.h"
#include "toolkit/qt/rect_control.h"

class QLineEdit;

namespace korvanta {

// A single-line text field. TextChange is raised whenever its text changes:
// when the user edits it, and when code sets Text, at once, inside the
// assignment (the handler has run when SetText returns; an error in it comes
// out of SetText). Setting the text the field already holds changes nothing
// and raises nothing. A field takes no tab: Tab and Shift+Tab move the focus,
// as the design's AllowTabs off asks.
class TextField : public RectControl {
 public:
  static constexpr const char* kClassName = "TextField";
  using Handler = std::function<void(TextField&)>;

  TextField();
  const char* ClassName() const override { return kClassName; }

  std::string Text() const;
  void SetText(const std::string& text);
  int TextAlignment() const { return alignment_; }
  void SetTextAlignment(int code);
  Color TextColor() const { return color_; }
  void SetTextColor(Color color);
  bool ReadOnly() const;
  void SetReadOnly(bool on);

  void SetTextChangeHandler(Handler handler) { text_change_ = std::move(handler); }

 protected:
  void ApplyOwnProperties(const DesignList& design) override;

 private:
  QLineEdit* edit_;
  int alignment_ = 0;
  Color color_;
  // True while code sets the text: SetText raises TextChange itself, so that
  // an error in the handler reaches the code that set the text.
  bool assigning_ = false;
  Handler text_change_;
};

}  // namespace korvanta
