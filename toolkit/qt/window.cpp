#include "toolkit/qt/window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QResizeEvent>
#include <QWidget>
#include <algorithm>
#include <unordered_set>
#include <utility>

#include "toolkit/core/arrays.h"
#include "toolkit/core/exceptions.h"
#include "toolkit/qt/application.h"
#include "toolkit/qt/group_box.h"
#include "toolkit/qt/guard.h"
#include "toolkit/qt/implicit_instance.h"
#include "toolkit/qt/menu_bar_view.h"
#include "toolkit/qt/push_button.h"

namespace korvanta {

namespace detail {

// The top-level Qt widget of a Window. It owns the Window: when the frame
// goes (after Close, at the event loop's pace), the Window goes with it.
class WindowFrame : public QWidget {
 public:
  explicit WindowFrame(Window* window) : window_(window) {}
  ~WindowFrame() override {
    if (window_ == nullptr) return;
    Window* window = std::exchange(window_, nullptr);
    window->frame_ = nullptr;
    delete window;
  }
  WindowFrame(const WindowFrame&) = delete;
  WindowFrame& operator=(const WindowFrame&) = delete;

  // The Window is being destroyed first and destroys the frame itself.
  void Release() { window_ = nullptr; }

 protected:
  void closeEvent(QCloseEvent* event) override {
    if (window_ != nullptr) RunGuarded([this] { window_->OnClosing(); });
    event->accept();
  }
  void resizeEvent(QResizeEvent* event) override {
    if (window_ != nullptr) RunGuarded([this] { window_->Arrange(); });
    QWidget::resizeEvent(event);
  }
  void keyPressEvent(QKeyEvent* event) override {
    bool pressed = false;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (window_ != nullptr && modifiers == Qt::NoModifier) {
      RunGuarded([this, event, &pressed] { pressed = window_->PressButtonFor(event->key()); });
    }
    if (pressed) {
      event->accept();
    } else {
      QWidget::keyPressEvent(event);
    }
  }

 private:
  Window* window_;
};

}  // namespace detail

namespace {

constexpr Qt::WindowFlags kFrameFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;

std::unordered_set<Window*>& LiveWindows() {
  static std::unordered_set<Window*> windows;
  return windows;
}

// The controls of one container ordered by TabIndex (creation order among
// equals), each group box followed by its own controls.
void CollectTabChain(const std::vector<std::unique_ptr<RectControl>>& controls,
                     const GroupBox* container, std::vector<QWidget*>& chain) {
  std::vector<RectControl*> members;
  for (const auto& control : controls) {
    if (control->Parent() == container) members.push_back(control.get());
  }
  std::stable_sort(members.begin(), members.end(), [](const RectControl* a, const RectControl* b) {
    return a->TabIndex() < b->TabIndex();
  });
  for (RectControl* member : members) {
    chain.push_back(member->Widget());
    if (const auto* box = dynamic_cast<const GroupBox*>(member)) {
      CollectTabChain(controls, box, chain);
    }
  }
}

}  // namespace

Window::Window() : frame_(new detail::WindowFrame(this)), content_(new QWidget(frame_)) {
  frame_->setWindowFlags(kFrameFlags | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                         Qt::WindowMaximizeButtonHint);
  content_size_ = frame_->size();
  content_->setGeometry(0, 0, content_size_.width(), content_size_.height());
  LiveWindows().insert(this);
}

Window::~Window() {
  detail::ForgetInstance(this);
  LiveWindows().erase(this);
  controls_.clear();
  if (frame_ != nullptr) {
    frame_->Release();
    delete frame_;
  }
}

void DestroyAllWindows() {
  while (!LiveWindows().empty()) delete *LiveWindows().begin();
}

QWidget* Window::Widget() const {
  return frame_;
}

void Window::Construct() {
  constructing_ = true;
  Layout();
  CreateControls();
  ApplyTabOrder();
  RunGuarded([this] { Event_Open(); });
  constructing_ = false;
  SetVisible(visible_);
}

void Window::SetProperties(const DesignList& design) {
  design_ = design;
  ApplyFrame(design);
  if (const auto v = design.Flag("MenuBarVisible")) ShowMenuBar(*v);
  const auto min_width = design.Int("MinimumWidth");
  const auto min_height = design.Int("MinimumHeight");
  if (min_width || min_height) {
    SetMinimumSize(min_width.value_or(MinimumWidth()), min_height.value_or(MinimumHeight()));
  }
  const auto max_width = design.Int("MaximumWidth");
  const auto max_height = design.Int("MaximumHeight");
  if (max_width || max_height) {
    SetMaximumSize(max_width.value_or(MaximumWidth()), max_height.value_or(MaximumHeight()));
  }
  if (const auto v = design.Flag("Resizeable")) SetResizeable(*v);
  const auto width = design.Int("Width");
  const auto height = design.Int("Height");
  if (width || height) ResizeContent(QSize(width.value_or(Width()), height.value_or(Height())));
  if (const auto v = design.Text("Title")) SetTitle(*v);
  if (const auto v = design.Flag("Visible")) SetVisible(*v);
}

void Window::ApplyFrame(const DesignList& design) {
  if (const auto v = design.Int("Type")) frame_kind_ = *v;
  // Only a main window keeps the application running: closing the last one
  // ends the event loop with status 0, whatever secondary windows show.
  frame_->setAttribute(Qt::WA_QuitOnClose, frame_kind_ == 0);
  Qt::WindowFlags flags = frame_->windowFlags() | kFrameFlags;
  const auto button = [&](Qt::WindowType hint, const char* key) {
    if (const auto on = design.Flag(key)) flags.setFlag(hint, *on);
  };
  button(Qt::WindowCloseButtonHint, "HasCloseButton");
  button(Qt::WindowMinimizeButtonHint, "HasMinimizeButton");
  button(Qt::WindowMaximizeButtonHint, "HasMaximizeButton");
  if (flags == frame_->windowFlags()) return;
  const bool shown = frame_->isVisible();
  frame_->setWindowFlags(flags);
  if (shown) frame_->show();
}

void Window::ShowMenuBar(bool on) {
  const Application* application = Application::Instance();
  MenuBar* model = application != nullptr ? application->GetMenuBar() : nullptr;
  const bool wanted = on && model != nullptr;
  if (wanted == (menu_bar_ != nullptr)) return;
  const QSize content = content_size_;
  if (wanted) {
    menu_bar_ = BuildMenuBar(*model, frame_);
    menu_bar_->show();
  } else {
    delete std::exchange(menu_bar_, nullptr);
  }
  ApplySizeLimits();
  ResizeContent(content);
}

int Window::MenuBarHeight() const {
  return menu_bar_ != nullptr ? menu_bar_->sizeHint().height() : 0;
}

std::string Window::Title() const {
  return frame_->windowTitle().toStdString();
}

void Window::SetTitle(const std::string& title) {
  frame_->setWindowTitle(QString::fromStdString(title));
}

void Window::SetVisible(bool visible) {
  if (closed_) return;
  visible_ = visible;
  // While the window is being built, showing waits until it is complete.
  if (constructing_) return;
  if (visible) {
    // A window shown again comes up on top; one already shown is raised.
    if (frame_->isVisible()) {
      frame_->raise();
    } else {
      frame_->show();
    }
  } else {
    frame_->hide();
  }
}

void Window::Close() {
  if (closed_) return;
  frame_->close();
  // The frame always takes the close event; this is only a safety net.
  if (!closed_) OnClosing();
}

void Window::OnClosing() {
  if (closed_) return;
  closed_ = true;
  visible_ = false;
  detail::ForgetInstance(this);
  frame_->hide();
  frame_->deleteLater();
}

int Window::Width() const {
  return content_size_.width();
}

void Window::SetWidth(int width) {
  ResizeContent(QSize(width, Height()));
}

int Window::Height() const {
  return content_size_.height();
}

void Window::SetHeight(int height) {
  ResizeContent(QSize(Width(), height));
}

void Window::SetMinimumSize(int width, int height) {
  minimum_ = QSize(std::max(0, width), std::max(0, height));
  ApplySizeLimits();
}

void Window::SetMaximumSize(int width, int height) {
  maximum_ = QSize(std::clamp(width, 0, QWIDGETSIZE_MAX), std::clamp(height, 0, QWIDGETSIZE_MAX));
  ApplySizeLimits();
}

void Window::SetResizeable(bool on) {
  resizeable_ = on;
  ApplySizeLimits();
}

void Window::ApplySizeLimits() {
  const QSize bar(0, MenuBarHeight());
  if (resizeable_) {
    frame_->setMinimumSize(minimum_ + bar);
    frame_->setMaximumSize((maximum_ + bar).boundedTo(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)));
  } else {
    frame_->setFixedSize(content_size_ + bar);
  }
  Arrange();
}

void Window::ResizeContent(QSize size) {
  const QSize frame = size + QSize(0, MenuBarHeight());
  if (resizeable_) {
    frame_->resize(frame);
  } else {
    frame_->setFixedSize(frame);
  }
  Arrange();
}

void Window::Arrange() {
  const int bar = MenuBarHeight();
  const QSize frame = frame_->size();
  if (menu_bar_ != nullptr) menu_bar_->setGeometry(0, 0, frame.width(), bar);
  const QSize content(frame.width(), std::max(0, frame.height() - bar));
  content_->setGeometry(0, bar, content.width(), content.height());
  const QSize change = content - content_size_;
  content_size_ = content;
  if (!change.isNull()) FollowResize(nullptr, change);
}

void Window::FollowResize(const GroupBox* container, QSize change) {
  for (const auto& control : controls_) {
    if (control->Parent() != container) continue;
    const QSize own = control->FollowContainer(change);
    const auto* box = dynamic_cast<const GroupBox*>(control.get());
    if (box != nullptr && !own.isNull()) FollowResize(box, own);
  }
}

void Window::ApplyTabOrder() {
  std::vector<QWidget*> chain;
  CollectTabChain(controls_, nullptr, chain);
  QWidget* previous = nullptr;
  for (QWidget* widget : chain) {
    if ((widget->focusPolicy() & Qt::TabFocus) == 0) continue;
    if (previous != nullptr) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
}

bool Window::PressButtonFor(int key) {
  const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
  if (!enter && key != Qt::Key_Escape) return false;
  for (const auto& control : controls_) {
    auto* button = dynamic_cast<PushButton*>(control.get());
    if (button == nullptr || !(enter ? button->Default() : button->Cancel())) continue;
    if (!button->Widget()->isEnabled() || !button->Widget()->isVisible()) continue;
    button->Press();
    return true;
  }
  return false;
}

RectControl& Window::AddControl(const std::string& name, std::unique_ptr<RectControl> control) {
  if (!control) throw NilObjectException("no control to add as \"" + name + "\"");
  for (const auto& existing : controls_) {
    if (existing->Name() == name) {
      throw RuntimeException("window \"" + Title() + "\" has a control named \"" + name +
                             "\" already");
    }
  }
  control->Attach(*this, name);
  controls_.push_back(std::move(control));
  return *controls_.back();
}

RectControl& Window::ControlByName(const std::string& name) const {
  for (const auto& control : controls_) {
    if (control->Name() == name) return *control;
  }
  throw NilObjectException("window \"" + Title() + "\" has no control named \"" + name + "\"");
}

RectControl& Window::ControlAt(std::size_t index) const {
  if (index >= controls_.size()) {
    ThrowOutOfBounds(static_cast<std::int64_t>(index),
                     static_cast<std::int64_t>(controls_.size()) - 1);
  }
  return *controls_[index];
}

void Window::ThrowWrongClass(const RectControl& control, const char* expected) const {
  throw RuntimeException("control \"" + control.Name() + "\" of window \"" + Title() + "\" is a " +
                         control.ClassName() + ", not a " + expected);
}

}  // namespace korvanta
