#include "toolkit/qt/group_box.h"

#include <QGroupBox>

namespace korvanta {

GroupBox::GroupBox() : RectControl(new QGroupBox), box_(static_cast<QGroupBox*>(Widget())) {}

std::string GroupBox::Caption() const {
  return box_->title().toStdString();
}

void GroupBox::SetCaption(const std::string& caption) {
  box_->setTitle(QString::fromStdString(caption));
}

void GroupBox::ApplyOwnProperties(const DesignList& design) {
  if (const auto caption = design.Text("Caption")) SetCaption(*caption);
}

}  // namespace korvanta
