#pragma once

#include <QMetaObject>
#include <QPointer>
#include <QSize>
#include <QWidget>
#include <string>
#include <vector>

#include "toolkit/qt/design.h"

namespace korvanta {

class GroupBox;
class Window;

// The base of every control: a name, a place and size in its window, locks,
// states and font, over one Qt widget. Positions are measured from the top
// left corner of the window's content area, also for a control inside a
// group box. A control is made on its own, then registered with its window
// (Window::AddControl), which takes it over.
class RectControl {
 public:
  virtual ~RectControl();
  RectControl(const RectControl&) = delete;
  RectControl& operator=(const RectControl&) = delete;

  // The toolkit class, as errors name it: "PushButton", "TextField", ...
  virtual const char* ClassName() const = 0;

  const std::string& Name() const { return name_; }
  Window* OwnerWindow() const { return window_; }
  // The group box that holds the control, or nullptr for the window itself.
  GroupBox* Parent() const { return parent_; }
  QWidget* Widget() const { return widget_; }

  // Applies a design list in one step and keeps it. Keys are applied in an
  // order of the toolkit's (the parent first, the states last), so their
  // order in the list has no effect. Keys without meaning here stay as data.
  // Throws RuntimeException for a value of the wrong kind, a Name that is not
  // the registered one or an InitialParent that is no group box of the window.
  void SetProperties(const DesignList& design);
  const DesignList& Design() const { return design_; }

  // The control's own states. A control inside a disabled or hidden group
  // box cannot be used or seen whatever its own state says; enabling or
  // showing the box again brings back those enabled or visible themselves.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  // Whether keyboard input goes to this control whenever its window is the
  // active one: the window remembers its focus control while inactive too.
  bool HasFocus() const;
  // Makes this control its window's focus control, now if the window is
  // active, otherwise when it next becomes active.
  void SetFocus();

  int Left() const;
  void SetLeft(int left);
  int Top() const;
  void SetTop(int top);
  int Width() const { return width_; }
  void SetWidth(int width);
  int Height() const { return height_; }
  void SetHeight(int height);

  // On resizing, the control keeps its distance to each locked edge of its
  // container: the window's content area, or for a control inside a group
  // box the box, so that the box's controls move and stretch with it.
  // Locked left and right stretches; right alone moves; neither stays.
  bool LockLeft() const { return lock_left_; }
  void SetLockLeft(bool on) { lock_left_ = on; }
  bool LockTop() const { return lock_top_; }
  void SetLockTop(bool on) { lock_top_ = on; }
  bool LockRight() const { return lock_right_; }
  void SetLockRight(bool on) { lock_right_ = on; }
  bool LockBottom() const { return lock_bottom_; }
  void SetLockBottom(bool on) { lock_bottom_ = on; }

  // The place in the tab order among the controls of the same container.
  int TabIndex() const { return tab_index_; }
  void SetTabIndex(int index) { tab_index_ = index; }

  // 0 is the toolkit's default size (see look.h).
  double FontSize() const { return font_size_; }
  void SetFontSize(double size);
  bool Bold() const { return bold_; }
  void SetBold(bool on);
  bool Italic() const { return italic_; }
  void SetItalic(bool on);
  bool Underline() const { return underline_; }
  void SetUnderline(bool on);

 protected:
  // Takes over widget until the control is registered with a window.
  explicit RectControl(QWidget* widget);

  // The keys of the derived class, applied after the base's geometry and
  // font and before its states.
  virtual void ApplyOwnProperties(const DesignList& design);
  // The letters' width in percent of the font's normal width (QFont's
  // stretch); applied with the design, after construction.
  virtual int FontStretch() const { return 100; }
  // Keeps a connection of the widget's signals, cut when the control goes.
  void Keep(QMetaObject::Connection connection);

 private:
  friend class Window;
  void Attach(Window& window, std::string name);
  void SetParentGroup(GroupBox* group);
  // Applies the locks to a change of the container's size and gives the
  // control's own change of size.
  QSize FollowContainer(QSize change);
  void PlaceWidget();
  void ApplyFont();
  QPoint ContainerOrigin() const;

  QPointer<QWidget> widget_;
  Window* window_ = nullptr;
  GroupBox* parent_ = nullptr;
  std::string name_;
  DesignList design_;
  // Place relative to the container; the size may fall below zero while a
  // window is shrunk, and the widget then shows as empty until it grows back.
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  bool lock_left_ = false;
  bool lock_top_ = false;
  bool lock_right_ = false;
  bool lock_bottom_ = false;
  int tab_index_ = 0;
  bool enabled_ = true;
  bool visible_ = true;
  double font_size_ = 0.0;
  bool bold_ = false;
  bool italic_ = false;
  bool underline_ = false;
  std::vector<QMetaObject::Connection> connections_;
};

}  // namespace korvanta
