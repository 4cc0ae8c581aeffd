// Tab and Shift+Tab in a text area of the design move the focus, as in a
// text field, so that a keyboard user reaches each window's "OK": Tab, then
// Space, closes the coefficients, results and help windows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <functional>
#include <ostream>
#include <string>

#include "engine/windows/wnd_param.h"
#include "engine/windows/wnd_results.h"
#include "shell/wndHelp.h"
#include "tests/support/case_names.h"
#include "tests/support/shell_fixture.h"
#include "toolkit/qt/implicit_instance.h"
#include "toolkit/qt/text_field.h"

namespace korvanta::testing {
namespace {

using testing::PrintTo;

// What a key types, as the window system gives it with the key.
QString TextOf(int key) {
  if (key == Qt::Key_Tab) return QStringLiteral("\t");
  if (key == Qt::Key_Space) return QStringLiteral(" ");
  return {};
}

// A key as the window system hands it on: pressed, then released, to the
// widget with the keyboard focus.
void Type(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr) << "no widget has the keyboard focus";
    QKeyEvent event(type, key, modifiers, TextOf(key));
    QApplication::sendEvent(focus, &event);
  }
}

void Activate(const Window& window) {
  window.Widget()->activateWindow();
  QApplication::setActiveWindow(window.Widget());
  QCoreApplication::processEvents();
}

// One window as the program shows it, its area and its "OK", and whether
// the window is still there for the user once "OK" has acted.
struct WindowCase {
  const char* name;
  std::function<Window&()> show;
  std::function<TextArea&()> area;
  std::function<PushButton&()> ok;
  std::function<bool()> still_shown;
};

const WindowCase kCases[] = {
    {"Coefficients",
     []() -> Window& {
       wndParam& window = ImplicitInstance<wndParam>();
       window.AddText(
           "2 degrees of freedom\n\na1=  1   \xC2\xB1"
           "0\n");
       return window;
     },
     []() -> TextArea& { return ImplicitInstance<wndParam>().txtParam(); },
     []() -> PushButton& { return ImplicitInstance<wndParam>().btmParamOK(); },
     [] { return ImplicitInstance<wndParam>().Visible(); }},
    {"Results",
     []() -> Window& {
       wndResults& window = ImplicitInstance<wndResults>();
       window.SetTitle("Affine Transformation");
       window.SetVisible(true);
       window.AddText("Q1, 130.0000, 235.0000, 0.00000, 0.00000\n");
       return window;
     },
     []() -> TextArea& { return ImplicitInstance<wndResults>().txtTransformed(); },
     []() -> PushButton& { return ImplicitInstance<wndResults>().btnResultsOK(); },
     [] { return IsOpen<wndResults>(); }},
    {"Help",
     []() -> Window& {
       wndHelp& window = ImplicitInstance<wndHelp>();
       window.SetVisible(true);
       return window;
     },
     []() -> TextArea& { return ImplicitInstance<wndHelp>().txtHelp(); },
     []() -> PushButton& { return ImplicitInstance<wndHelp>().btnHelpOK(); },
     [] { return ImplicitInstance<wndHelp>().Visible(); }},
};

class TabOutOfTheAreaTest : public ShellTest, public ::testing::WithParamInterface<WindowCase> {};

TEST_P(TabOutOfTheAreaTest, TabReachesOkAndSpaceClosesTheWindow) {
  const WindowCase& tested = GetParam();
  Window& window = tested.show();
  Activate(window);
  tested.area().SetFocus();
  ASSERT_TRUE(tested.area().HasFocus());
  const std::string text = tested.area().Text();

  ASSERT_NO_FATAL_FAILURE(Type(Qt::Key_Tab));
  EXPECT_TRUE(tested.ok().HasFocus())
      << "focus on " << QApplication::focusWidget()->metaObject()->className();
  ASSERT_NO_FATAL_FAILURE(Type(Qt::Key_Backtab, Qt::ShiftModifier));
  EXPECT_TRUE(tested.area().HasFocus());
  EXPECT_EQ(tested.area().Text(), text) << "Tab typed into the text";

  ASSERT_NO_FATAL_FAILURE(Type(Qt::Key_Tab));
  ASSERT_NO_FATAL_FAILURE(Type(Qt::Key_Space));
  EXPECT_FALSE(tested.still_shown()) << "the window is still shown after Tab, Space";
}

INSTANTIATE_TEST_SUITE_P(Windows, TabOutOfTheAreaTest, ::testing::ValuesIn(kCases), ByName());

// A field, an area that takes tabs and one that does not, in tab order.
class TabsWindow : public Window {
 public:
  TextField& txtField() const { return ControlAs<TextField>("txtField"); }
  TextArea& txtTyping() const { return ControlAs<TextArea>("txtTyping"); }
  TextArea& txtMoving() const { return ControlAs<TextArea>("txtMoving"); }

 protected:
  void Layout() override { SetProperties({{"Visible", true}, {"Width", 300}, {"Height", 200}}); }
  void CreateControls() override {
    CreateControl<TextField>("txtField", {{"Name", "txtField"}, {"TabIndex", 0}, {"Width", 80}});
    CreateControl<TextArea>("txtTyping",
                            {{"Name", "txtTyping"}, {"TabIndex", 1}, {"AllowTabs", true}});
    CreateControl<TextArea>("txtMoving",
                            {{"Name", "txtMoving"}, {"TabIndex", 2}, {"AllowTabs", false}});
  }
};

class AllowTabsTest : public GuiTest {};

TEST_F(AllowTabsTest, OnlyAnAreaThatAllowsTabsTypesThem) {
  TabsWindow& window = ImplicitInstance<TabsWindow>();
  Activate(window);
  EXPECT_TRUE(window.txtTyping().AllowTabs());
  EXPECT_FALSE(window.txtMoving().AllowTabs());

  window.txtField().SetFocus();
  ASSERT_NO_FATAL_FAILURE(Type(Qt::Key_Tab));
  EXPECT_TRUE(window.txtTyping().HasFocus());
  EXPECT_EQ(window.txtField().Text(), "");

  ASSERT_NO_FATAL_FAILURE(Type(Qt::Key_Tab));
  EXPECT_TRUE(window.txtTyping().HasFocus());
  EXPECT_EQ(window.txtTyping().Text(), "\t");

  window.txtMoving().SetFocus();
  ASSERT_NO_FATAL_FAILURE(Type(Qt::Key_Tab));
  EXPECT_TRUE(window.txtField().HasFocus()) << "the chain goes round to the first control";
  window.txtMoving().SetFocus();
  ASSERT_NO_FATAL_FAILURE(Type(Qt::Key_Backtab, Qt::ShiftModifier));
  EXPECT_TRUE(window.txtTyping().HasFocus());
  EXPECT_EQ(window.txtMoving().Text(), "");
}

}  // namespace
}  // namespace korvanta::testing
