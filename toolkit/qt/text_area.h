#pragma once

#include <string>

#include "toolkit/qt/design.h"
#include "toolkit/qt/rect_control.h"

class QTextEdit;

namespace korvanta {

// A multi-line plain-text area. Line ends in its text are "\n". Long lines
// wrap at the area's width, and every paragraph hangs: the lines it wraps
// onto stand in from its first line, so a continuation never reads as an
// entry of its own. That is layout only: the text stays as it was set.
class TextArea : public RectControl {
 public:
  static constexpr const char* kClassName = "TextArea";
  TextArea();
  const char* ClassName() const override { return kClassName; }

  std::string Text() const;
  // Replaces the whole text.
  void SetText(const std::string& text);
  // Appends at the very end, after whatever the area holds (the user's edits
  // included); the user's cursor and selection stay where they are.
  void AddText(const std::string& text);
  bool ReadOnly() const;
  void SetReadOnly(bool on);
  // Off, Tab and Shift+Tab move the focus to the next and the previous
  // control, as in a text field; on, Tab types a tab into the text. A bare
  // area types tabs; the design's lists set it off.
  bool AllowTabs() const;
  void SetAllowTabs(bool on);
  bool HasVerticalScrollbar() const { return vertical_scrollbar_; }
  void SetHasVerticalScrollbar(bool on);
  Color TextColor() const { return color_; }
  void SetTextColor(Color color);

 protected:
  void ApplyOwnProperties(const DesignList& design) override;
  // Condensed letters, so that one transformed point (ID, E, N, SDe, SDn at
  // UTM size, some 48 characters) fits one line of the 300-pixel results area.
  int FontStretch() const override;

 private:
  QTextEdit* edit_;
  bool vertical_scrollbar_ = true;
  Color color_;
};

}  // namespace korvanta
