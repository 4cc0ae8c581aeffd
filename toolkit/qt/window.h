#pragma once

#include <QSize>
#include <cstddef>
#include <memory>
#include <string>
#include <typeindex>
#include <vector>

#include "toolkit/qt/design.h"
#include "toolkit/qt/rect_control.h"

class QMenuBar;
class QWidget;

namespace korvanta {

class GroupBox;
class Window;

namespace detail {
class WindowFrame;
Window& OpenInstance(std::type_index type, std::unique_ptr<Window> window);
}  // namespace detail

// The base of every window class. A window is built by the toolkit on first
// use of its class's implicit instance (implicit_instance.h): Layout applies
// the window's design list, CreateControls makes the controls, and Open is
// raised once they exist; the window shows then if its design is visible.
// The toolkit keeps the window until Close or its close box ends it.
class Window {
 public:
  Window();
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Applies the window's design list in one step and keeps it. The keys take
  // effect in the toolkit's order (frame, menu bar, size limits, size, title,
  // visibility), so their order in the list has no effect. Keys without
  // meaning here (Composite, MacProcID, DefaultLocation, ...) stay as data.
  void SetProperties(const DesignList& design);
  const DesignList& Design() const { return design_; }

  std::string Title() const;
  void SetTitle(const std::string& title);

  // True shows the window (and raises it above the others) and returns at
  // once; false hides it with its contents intact.
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  // Ends the window: hides it and forgets the implicit instance at once, so
  // the next use builds a new one; the object itself goes when control
  // returns to the event loop, so a handler of the window may close it and
  // carry on. The close box does the same.
  void Close();
  bool IsClosed() const { return closed_; }

  // The content area, below the menu bar when one is shown.
  int Width() const;
  void SetWidth(int width);
  int Height() const;
  void SetHeight(int height);
  int MinimumWidth() const { return minimum_.width(); }
  int MinimumHeight() const { return minimum_.height(); }
  void SetMinimumSize(int width, int height);
  int MaximumWidth() const { return maximum_.width(); }
  int MaximumHeight() const { return maximum_.height(); }
  void SetMaximumSize(int width, int height);
  bool Resizeable() const { return resizeable_; }
  void SetResizeable(bool on);

  // The design's frame kind (0 main, 1 and 2 secondary windows). Every kind
  // is an ordinary non-modal window with a title bar; HasCloseButton,
  // HasMinimizeButton and HasMaximizeButton choose its buttons. Closing the
  // last main window, by its close box or Close, ends the application with
  // status 0 whatever secondary windows are shown.
  int FrameKind() const { return frame_kind_; }
  bool MenuBarVisible() const { return menu_bar_ != nullptr; }

  // The control registry. AddControl takes the control over and places it in
  // the content area; it throws RuntimeException for a name in use.
  RectControl& AddControl(const std::string& name, std::unique_ptr<RectControl> control);
  // Throws NilObjectException when no control has the name.
  RectControl& ControlByName(const std::string& name) const;
  // The control, typed; throws RuntimeException when it is of another class.
  template <class C>
  C& ControlAs(const std::string& name) const;
  // Makes a control of class C, registers it under name, looks it up by name
  // and applies its design list: one control of CreateControls.
  template <class C>
  C& CreateControl(const std::string& name, const DesignList& design);
  std::size_t ControlCount() const { return controls_.size(); }
  // In creation order, counted from 0; throws OutOfBoundsException.
  RectControl& ControlAt(std::size_t index) const;

  // The Qt widgets, for tests and screenshots: the whole window, the content
  // area that holds the controls, and the menu bar (nullptr when none).
  QWidget* Widget() const;
  QWidget* ContentArea() const { return content_; }
  QMenuBar* MenuBarWidget() const { return menu_bar_; }

 protected:
  // The window's events during construction. Open runs under the toolkit's
  // guard: an error there is shown and the window stays as far as it got.
  virtual void Layout() {}
  virtual void CreateControls() {}
  virtual void Event_Open() {}

 private:
  friend class detail::WindowFrame;
  friend Window& detail::OpenInstance(std::type_index, std::unique_ptr<Window>);

  void Construct();
  void ApplyFrame(const DesignList& design);
  void ShowMenuBar(bool on);
  void ApplySizeLimits();
  void ResizeContent(QSize size);
  // Lays the menu bar and the content area into the frame and lets the
  // controls follow a change of the content's size.
  void Arrange();
  void FollowResize(const GroupBox* container, QSize change);
  void ApplyTabOrder();
  void OnClosing();
  bool PressButtonFor(int key);
  int MenuBarHeight() const;
  [[noreturn]] void ThrowWrongClass(const RectControl& control, const char* expected) const;

  detail::WindowFrame* frame_;
  QWidget* content_;
  QMenuBar* menu_bar_ = nullptr;
  DesignList design_;
  std::vector<std::unique_ptr<RectControl>> controls_;
  QSize content_size_;
  QSize minimum_{0, 0};
  QSize maximum_{32000, 32000};
  bool resizeable_ = true;
  int frame_kind_ = 0;
  bool visible_ = false;
  bool constructing_ = false;
  bool closed_ = false;
};

template <class C>
C& Window::ControlAs(const std::string& name) const {
  RectControl& control = ControlByName(name);
  if (auto* typed = dynamic_cast<C*>(&control)) return *typed;
  ThrowWrongClass(control, C::kClassName);
}

template <class C>
C& Window::CreateControl(const std::string& name, const DesignList& design) {
  AddControl(name, std::make_unique<C>());
  C& control = ControlAs<C>(name);
  control.SetProperties(design);
  return control;
}

// Destroys every window at once (the application object does this when it
// ends; tests do it between cases).
void DestroyAllWindows();

}  // namespace korvanta
