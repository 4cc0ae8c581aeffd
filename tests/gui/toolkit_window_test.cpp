#include <gtest/gtest.h>

#include <QPointer>
#include <QWidget>
#include <iterator>
#include <string>
#include <vector>

#include "tests/support/case_names.h"
#include "tests/support/gui_fixture.h"
#include "toolkit/core/exceptions.h"
#include "toolkit/qt/group_box.h"
#include "toolkit/qt/implicit_instance.h"
#include "toolkit/qt/label.h"
#include "toolkit/qt/push_button.h"
#include "toolkit/qt/text_field.h"
#include "toolkit/qt/window.h"

namespace korvanta::testing {
namespace {

DesignList Box(const std::string& name, int left, int top, int width, int height) {
  return {{"Name", name}, {"Left", left}, {"Top", top}, {"Width", width}, {"Height", height}};
}

// Counts its construction steps and what Open found.
template <bool kVisible>
class CountingWindow : public Window {
 public:
  static inline int layouts = 0;
  static inline int opens = 0;
  std::size_t controls_at_open = 0;
  bool shown_during_open = true;
  std::vector<std::string> log;

  PushButton& btnClose() const { return ControlAs<PushButton>("btnClose"); }

  // Closes its own window, then goes on using it.
  void btnClose_Action(PushButton& button) {
    Close();
    log.push_back(button.Caption() + " after Close in " + Title());
  }

 protected:
  void Layout() override {
    ++layouts;
    SetProperties({{"Width", 200}, {"Height", 100}, {"Title", "Counting"}, {"Visible", kVisible}});
  }
  void CreateControls() override {
    DesignList button = Box("btnClose", 10, 10, 80, 22);
    CreateControl<PushButton>("btnClose", button).SetCaption("Close");
    btnClose().SetActionHandler([this](PushButton& b) { btnClose_Action(b); });
  }
  void Event_Open() override {
    ++opens;
    controls_at_open = ControlCount();
    shown_during_open = Widget()->isVisible();
  }
};

using HiddenWindow = CountingWindow<false>;
using ShownWindow = CountingWindow<true>;

class WindowTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    HiddenWindow::layouts = HiddenWindow::opens = 0;
    ShownWindow::layouts = ShownWindow::opens = 0;
  }
};

TEST_F(WindowTest, FirstUseBuildsAndRaisesOpenOnceTheControlsExist) {
  EXPECT_FALSE(IsOpen<HiddenWindow>());
  HiddenWindow& window = ImplicitInstance<HiddenWindow>();
  EXPECT_TRUE(IsOpen<HiddenWindow>());
  EXPECT_EQ(HiddenWindow::layouts, 1);
  EXPECT_EQ(HiddenWindow::opens, 1);
  EXPECT_EQ(window.controls_at_open, 1u);
  EXPECT_FALSE(window.Visible());
  EXPECT_FALSE(window.Widget()->isVisible());

  EXPECT_EQ(&ImplicitInstance<HiddenWindow>(), &window);
  EXPECT_EQ(HiddenWindow::layouts, 1);
  EXPECT_EQ(HiddenWindow::opens, 1);
}

TEST_F(WindowTest, AVisibleDesignShowsTheWindowOnlyOnceItIsComplete) {
  ShownWindow& window = ImplicitInstance<ShownWindow>();
  EXPECT_FALSE(window.shown_during_open);
  EXPECT_TRUE(window.Visible());
  EXPECT_TRUE(window.Widget()->isVisible());
}

TEST_F(WindowTest, VisibleShowsAndHidesTheSameWindowWithItsContents) {
  HiddenWindow& window = ImplicitInstance<HiddenWindow>();
  window.btnClose().SetCaption("Kept");
  window.SetVisible(true);
  EXPECT_TRUE(window.Widget()->isVisible());
  window.SetVisible(false);
  EXPECT_FALSE(window.Widget()->isVisible());
  EXPECT_TRUE(IsOpen<HiddenWindow>());
  EXPECT_EQ(&ImplicitInstance<HiddenWindow>(), &window);
  EXPECT_EQ(window.btnClose().Caption(), "Kept");
}

// Close and the close box end the window alike: the instance is forgotten at
// once, the object goes with the pending deletions, the next use builds anew.
class WindowEndTest : public WindowTest, public ::testing::WithParamInterface<bool> {};

TEST_P(WindowEndTest, EndsTheWindowAndTheNextUseBuildsANewOne) {
  const bool close_box = GetParam();
  ShownWindow& window = ImplicitInstance<ShownWindow>();
  QPointer<QWidget> frame = window.Widget();
  if (close_box) {
    window.Widget()->close();
  } else {
    window.Close();
  }
  EXPECT_FALSE(IsOpen<ShownWindow>());
  EXPECT_FALSE(frame->isVisible());
  ASSERT_FALSE(frame.isNull());  // still there until control returns to the loop
  DeliverDeferredDeletes();
  EXPECT_TRUE(frame.isNull());

  ShownWindow& next = ImplicitInstance<ShownWindow>();
  EXPECT_EQ(ShownWindow::layouts, 2);
  EXPECT_NE(next.Widget(), nullptr);
  EXPECT_TRUE(next.Visible());
}

INSTANTIATE_TEST_SUITE_P(CloseAndCloseBox, WindowEndTest, ::testing::Bool(),
                         ByBool("Close", "CloseBox"));

TEST_F(WindowTest, AHandlerMayCloseItsOwnWindowAndCarryOn) {
  ShownWindow& window = ImplicitInstance<ShownWindow>();
  QPointer<QWidget> frame = window.Widget();
  window.btnClose().Press();
  EXPECT_EQ(window.log, std::vector<std::string>{"Close after Close in Counting"});
  EXPECT_FALSE(IsOpen<ShownWindow>());
  DeliverDeferredDeletes();
  EXPECT_TRUE(frame.isNull());
  EXPECT_TRUE(messages.texts.empty());
}

// A window of one frame kind, shown.
template <int kKind>
class KindWindow : public Window {
 protected:
  void Layout() override { SetProperties({{"Type", kKind}, {"Visible", true}}); }
};

// Only a main window keeps the application running.
TEST_F(WindowTest, ClosingTheMainWindowEndsTheEventLoopWhateverSecondaryWindowsShow) {
  Window& main = ImplicitInstance<KindWindow<0>>();
  Window& report = ImplicitInstance<KindWindow<1>>();
  ImplicitInstance<KindWindow<2>>();
  std::vector<std::string> log;
  EXPECT_EQ(RunEventLoopWith({[&] {
                                PressCloseBox(report);
                                log.push_back("secondary closed");
                              },
                              [&] {
                                log.push_back("loop still running");
                                PressCloseBox(main);
                              }}),
            0);
  EXPECT_EQ(log, (std::vector<std::string>{"secondary closed", "loop still running"}));
  EXPECT_FALSE(IsOpen<KindWindow<0>>());
}

// A window whose controls cannot all be made.
class BrokenWindow : public Window {
 protected:
  void CreateControls() override {
    CreateControl<Label>("lblFine", Box("lblFine", 0, 0, 10, 10));
    CreateControl<Label>("lblFine", Box("lblFine", 0, 0, 10, 10));
  }
};

TEST_F(WindowTest, AFailedBuildLeavesNoWindowAndTheNextUseTriesAgain) {
  EXPECT_THROW(ImplicitInstance<BrokenWindow>(), RuntimeException);
  EXPECT_FALSE(IsOpen<BrokenWindow>());
  EXPECT_THROW(ImplicitInstance<BrokenWindow>(), RuntimeException);
}

// Registry and design errors name what is wrong.
class RegistryWindow : public Window {
 protected:
  void Layout() override { SetProperties({{"Title", "Registry"}, {"Width", 100}, {"Height", 80}}); }
  void CreateControls() override {
    CreateControl<Label>("lblOne", Box("lblOne", 0, 0, 50, 20));
    CreateControl<GroupBox>("grpBox", Box("grpBox", 0, 30, 100, 50));
  }
};

std::string ErrorOf(const std::function<void()>& body) {
  try {
    body();
  } catch (const RuntimeException& error) {
    return error.what();
  }
  return "no error";
}

TEST_F(WindowTest, LookupsAndDesignsRefuseWhatDoesNotFit) {
  RegistryWindow& window = ImplicitInstance<RegistryWindow>();
  EXPECT_THROW(window.ControlByName("lblNone"), NilObjectException);
  EXPECT_EQ(ErrorOf([&] { window.ControlAs<PushButton>("lblOne"); }),
            "control \"lblOne\" of window \"Registry\" is a Label, not a PushButton");
  EXPECT_EQ(ErrorOf([&] { window.AddControl("lblOne", std::make_unique<Label>()); }),
            "window \"Registry\" has a control named \"lblOne\" already");
  Label& label = window.ControlAs<Label>("lblOne");
  EXPECT_EQ(ErrorOf([&] {
              label.SetProperties({{"Name", "lblOther"}});
            }),
            "the design of control \"lblOne\" names it \"lblOther\"");
  EXPECT_EQ(ErrorOf([&] {
              label.SetProperties({{"InitialParent", "lblOne"}});
            }),
            "control \"lblOne\" of window \"Registry\" is a Label, not a GroupBox");
  EXPECT_EQ(ErrorOf([&] {
              label.SetProperties({{"Width", "wide"}});
            }),
            "design key Width holds a text, not an integer");
  EXPECT_EQ(&window.ControlAt(1), &window.ControlByName("grpBox"));
  EXPECT_THROW(window.ControlAt(2), OutOfBoundsException);
}

TEST_F(WindowTest, DesignListsKeepEveryKeyAsGiven) {
  RegistryWindow& window = ImplicitInstance<RegistryWindow>();
  const DesignList design{{"Width", 120},
                          {"Composite", false},
                          {"MacProcID", 0},
                          {"BackgroundColor", Color{0x00FFFFFF}}};
  window.SetProperties(design);
  ASSERT_EQ(window.Design().Entries().size(), 4u);
  EXPECT_EQ(window.Design().Flag("Composite"), false);
  EXPECT_EQ(window.Design().ColorValue("BackgroundColor"), Color{0x00FFFFFF});
  EXPECT_EQ(window.Width(), 120);
  EXPECT_EQ(window.Height(), 80);  // absent keys change nothing
}

// Content-area coordinates, also inside a group box.
class GeometryWindow : public Window {
 protected:
  void Layout() override {
    SetProperties({{"Width", 200},
                   {"Height", 100},
                   {"MinimumWidth", 64},
                   {"MinimumHeight", 50},
                   {"MaximumWidth", 400},
                   {"MaximumHeight", 300}});
  }
  void CreateControls() override {
    CreateControl<GroupBox>("grpBox", Box("grpBox", 20, 30, 150, 60));
    CreateControl<TextField>("txtInner", {{"Name", "txtInner"},
                                          {"Left", 40},
                                          {"Top", 50},
                                          {"Width", 60},
                                          {"Height", 22},
                                          {"InitialParent", "grpBox"}});
  }
};

TEST_F(WindowTest, ControlsInAGroupBoxAreMeasuredFromTheContentArea) {
  GeometryWindow& window = ImplicitInstance<GeometryWindow>();
  auto& inner = window.ControlAs<TextField>("txtInner");
  EXPECT_EQ(inner.Parent(), &window.ControlAs<GroupBox>("grpBox"));
  EXPECT_EQ(inner.Left(), 40);
  EXPECT_EQ(inner.Top(), 50);
  EXPECT_EQ(inner.Widget()->geometry(), QRect(20, 20, 60, 22));
  window.ControlAs<GroupBox>("grpBox").SetLeft(30);
  EXPECT_EQ(inner.Left(), 50);  // the box carries its controls
}

TEST_F(WindowTest, SizesAreClampedToTheMinimumAndMaximum) {
  GeometryWindow& window = ImplicitInstance<GeometryWindow>();
  window.SetWidth(10);
  window.SetHeight(10);
  EXPECT_EQ(window.Width(), 64);
  EXPECT_EQ(window.Height(), 50);
  window.SetWidth(1000);
  window.SetHeight(1000);
  EXPECT_EQ(window.Width(), 400);
  EXPECT_EQ(window.Height(), 300);
  window.SetResizeable(false);
  EXPECT_EQ(window.Widget()->minimumSize(), window.Widget()->maximumSize());
}

TEST_F(WindowTest, AUserResizeOfTheShownWindowReachesTheContentArea) {
  GeometryWindow& window = ImplicitInstance<GeometryWindow>();
  window.SetVisible(true);
  window.Widget()->resize(250, 120);
  QCoreApplication::processEvents();
  EXPECT_EQ(window.Width(), 250);
  EXPECT_EQ(window.Height(), 120);
  EXPECT_EQ(window.ContentArea()->size(), QSize(250, 120));
}

// Tab goes through the controls by TabIndex, whatever the creation order,
// and through a group box's controls right after the box.
class TabWindow : public Window {
 protected:
  void CreateControls() override {
    const auto add = [this](const char* name, int tab_index, const char* parent) {
      CreateControl<TextField>(name, {{"Name", name},
                                      {"Width", 40},
                                      {"Height", 22},
                                      {"TabIndex", tab_index},
                                      {"InitialParent", parent}});
    };
    add("txtLast", 9, "");
    CreateControl<GroupBox>("grpBox", {{"Name", "grpBox"}, {"TabIndex", 1}});
    add("txtInBoxSecond", 1, "grpBox");
    add("txtInBoxFirst", 0, "grpBox");
    add("txtFirst", 0, "");
  }
};

// The next widget that Tab stops at, as Qt looks for it.
QWidget* NextTabStop(QWidget* widget) {
  do {
    widget = widget->nextInFocusChain();
  } while ((widget->focusPolicy() & Qt::TabFocus) == 0);
  return widget;
}

TEST_F(WindowTest, TabFollowsTheTabIndexWithinEachContainer) {
  TabWindow& window = ImplicitInstance<TabWindow>();
  const char* order[] = {"txtFirst", "txtInBoxFirst", "txtInBoxSecond", "txtLast", "txtFirst"};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
    EXPECT_EQ(NextTabStop(window.ControlByName(order[i]).Widget()),
              window.ControlByName(order[i + 1]).Widget())
        << order[i];
  }
}

}  // namespace
}  // namespace korvanta::testing
