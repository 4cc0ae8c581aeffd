#pragma once

#include <string>

#include "toolkit/qt/design.h"
#include "toolkit/qt/rect_control.h"

class QLabel;

namespace korvanta {

// A text that the user cannot edit, shown as plain text (no markup, no
// mnemonics), centred vertically in its box unless it is multiline.
class Label : public RectControl {
 public:
  static constexpr const char* kClassName = "Label";
  Label();
  const char* ClassName() const override { return kClassName; }

  std::string Text() const;
  void SetText(const std::string& text);
  int TextAlignment() const { return alignment_; }
  void SetTextAlignment(int code);
  Color TextColor() const { return color_; }
  void SetTextColor(Color color);
  bool Multiline() const { return multiline_; }
  void SetMultiline(bool on);

 protected:
  void ApplyOwnProperties(const DesignList& design) override;

 private:
  void ApplyAlignment();

  QLabel* label_;
  int alignment_ = 0;
  Color color_;
  bool multiline_ = false;
};

}  // namespace korvanta
