#pragma once

#include <string>

#include "toolkit/qt/rect_control.h"

class QGroupBox;

namespace korvanta {

// A framed box with a caption that holds other controls (their InitialParent
// names it). Disabling it makes its controls unusable, hiding it hides them.
class GroupBox : public RectControl {
 public:
  static constexpr const char* kClassName = "GroupBox";
  GroupBox();
  const char* ClassName() const override { return kClassName; }

  std::string Caption() const;
  void SetCaption(const std::string& caption);

 protected:
  void ApplyOwnProperties(const DesignList& design) override;

 private:
  QGroupBox* box_;
};

}  // namespace korvanta
