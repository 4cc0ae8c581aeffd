#include "toolkit/qt/rect_control.h"

#include <QFont>
#include <algorithm>

#include "toolkit/core/exceptions.h"
#include "toolkit/qt/group_box.h"
#include "toolkit/qt/look.h"
#include "toolkit/qt/window.h"

namespace korvanta {

RectControl::RectControl(QWidget* widget) : widget_(widget) {
  ApplyFont();
}

RectControl::~RectControl() {
  for (const auto& connection : connections_) QObject::disconnect(connection);
  // A control never registered still owns its widget; a registered one's
  // widget belongs to the window.
  if (widget_ != nullptr && widget_->parent() == nullptr) delete widget_.data();
}

void RectControl::Keep(QMetaObject::Connection connection) {
  connections_.push_back(std::move(connection));
}

void RectControl::Attach(Window& window, std::string name) {
  window_ = &window;
  name_ = std::move(name);
  widget_->setObjectName(QString::fromStdString(name_));
  widget_->setParent(window.ContentArea());
  PlaceWidget();
  widget_->setVisible(visible_);
}

void RectControl::SetProperties(const DesignList& design) {
  design_ = design;
  if (const auto name = design.Text("Name"); name && *name != name_) {
    throw RuntimeException("the design of control \"" + name_ + "\" names it \"" + *name + "\"");
  }
  if (const auto parent = design.Text("InitialParent")) {
    if (window_ == nullptr) {
      throw RuntimeException("control \"" + name_ + "\" is in no window to find its parent in");
    }
    SetParentGroup(parent->empty() ? nullptr : &window_->ControlAs<GroupBox>(*parent));
  }
  const QPoint origin = ContainerOrigin();
  if (const auto v = design.Int("Left")) left_ = *v - origin.x();
  if (const auto v = design.Int("Top")) top_ = *v - origin.y();
  if (const auto v = design.Int("Width")) width_ = *v;
  if (const auto v = design.Int("Height")) height_ = *v;
  PlaceWidget();
  if (const auto v = design.Flag("LockLeft")) lock_left_ = *v;
  if (const auto v = design.Flag("LockTop")) lock_top_ = *v;
  if (const auto v = design.Flag("LockRight")) lock_right_ = *v;
  if (const auto v = design.Flag("LockBottom")) lock_bottom_ = *v;
  if (const auto v = design.Int("TabIndex")) tab_index_ = *v;
  if (const auto v = design.Number("FontSize")) font_size_ = *v;
  if (const auto v = design.Flag("Bold")) bold_ = *v;
  if (const auto v = design.Flag("Italic")) italic_ = *v;
  if (const auto v = design.Flag("Underline")) underline_ = *v;
  ApplyFont();
  ApplyOwnProperties(design);
  if (const auto v = design.Flag("Enabled")) SetEnabled(*v);
  if (const auto v = design.Flag("Visible")) SetVisible(*v);
}

void RectControl::ApplyOwnProperties(const DesignList& /*design*/) {}

void RectControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
  widget_->setEnabled(enabled);
}

void RectControl::SetVisible(bool visible) {
  visible_ = visible;
  widget_->setVisible(visible);
}

bool RectControl::HasFocus() const {
  return widget_->window()->focusWidget() == widget_;
}

void RectControl::SetFocus() {
  widget_->setFocus(Qt::OtherFocusReason);
}

QPoint RectControl::ContainerOrigin() const {
  return parent_ != nullptr ? QPoint(parent_->Left(), parent_->Top()) : QPoint(0, 0);
}

int RectControl::Left() const {
  return left_ + ContainerOrigin().x();
}

void RectControl::SetLeft(int left) {
  left_ = left - ContainerOrigin().x();
  PlaceWidget();
}

int RectControl::Top() const {
  return top_ + ContainerOrigin().y();
}

void RectControl::SetTop(int top) {
  top_ = top - ContainerOrigin().y();
  PlaceWidget();
}

void RectControl::SetWidth(int width) {
  width_ = width;
  PlaceWidget();
}

void RectControl::SetHeight(int height) {
  height_ = height;
  PlaceWidget();
}

void RectControl::SetParentGroup(GroupBox* group) {
  if (group == this) throw RuntimeException("control \"" + name_ + "\" cannot hold itself");
  const int left = Left();
  const int top = Top();
  parent_ = group;
  widget_->setParent(group != nullptr ? group->Widget() : window_->ContentArea());
  left_ = left - ContainerOrigin().x();
  top_ = top - ContainerOrigin().y();
  PlaceWidget();
  // A widget given a new parent is hidden until shown again.
  widget_->setVisible(visible_);
}

QSize RectControl::FollowContainer(QSize change) {
  const QSize before(width_, height_);
  if (lock_right_) {
    if (lock_left_) {
      width_ += change.width();
    } else {
      left_ += change.width();
    }
  }
  if (lock_bottom_) {
    if (lock_top_) {
      height_ += change.height();
    } else {
      top_ += change.height();
    }
  }
  PlaceWidget();
  return QSize(width_, height_) - before;
}

void RectControl::PlaceWidget() {
  widget_->setGeometry(left_, top_, std::max(0, width_), std::max(0, height_));
}

void RectControl::SetFontSize(double size) {
  font_size_ = size;
  ApplyFont();
}

void RectControl::SetBold(bool on) {
  bold_ = on;
  ApplyFont();
}

void RectControl::SetItalic(bool on) {
  italic_ = on;
  ApplyFont();
}

void RectControl::SetUnderline(bool on) {
  underline_ = on;
  ApplyFont();
}

void RectControl::ApplyFont() {
  // Every attribute is set explicitly, so a group box's font never passes to
  // the controls inside it.
  QFont font = ToolkitFont(font_size_);
  font.setBold(bold_);
  font.setItalic(italic_);
  font.setUnderline(underline_);
  font.setStretch(FontStretch());
  widget_->setFont(font);
}

}  // namespace korvanta
