#include <gtest/gtest.h>

#include <QRect>
#include <ostream>
#include <string>

#include "tests/support/case_names.h"
#include "tests/support/gui_fixture.h"
#include "toolkit/qt/group_box.h"
#include "toolkit/qt/implicit_instance.h"
#include "toolkit/qt/label.h"
#include "toolkit/qt/window.h"

namespace korvanta::testing {
namespace {

using testing::PrintTo;

struct LockCase {
  std::string name;
  bool left, top, right, bottom;
  QRect design;    // in the content area of 200 x 100
  QRect expected;  // after the window grew by 50 x 30
  std::string parent = "";
};

const LockCase kCases[] = {
    {"lblLeftTop", true, true, false, false, {10, 10, 50, 20}, {10, 10, 50, 20}},
    {"lblNone", false, false, false, false, {10, 40, 50, 20}, {10, 40, 50, 20}},
    {"lblLeftRight", true, true, true, false, {10, 70, 50, 20}, {10, 70, 100, 20}},
    {"lblRightBottom", false, false, true, true, {140, 70, 40, 20}, {190, 100, 40, 20}},
    {"lblTopBottom", true, true, false, true, {70, 10, 40, 40}, {70, 10, 40, 70}},
    // A box that stretches takes its controls along: they keep their
    // distances to the box's edges.
    {"grpBox", true, true, true, false, {120, 5, 70, 40}, {120, 5, 120, 40}},
    {"lblInBoxRight", false, true, true, false, {160, 20, 20, 20}, {210, 20, 20, 20}, "grpBox"},
    {"lblInBoxWide", true, true, true, false, {125, 20, 30, 20}, {125, 20, 80, 20}, "grpBox"},
};

DesignList DesignOf(const LockCase& c) {
  return {{"Name", c.name},
          {"Left", c.design.left()},
          {"Top", c.design.top()},
          {"Width", c.design.width()},
          {"Height", c.design.height()},
          {"LockLeft", c.left},
          {"LockTop", c.top},
          {"LockRight", c.right},
          {"LockBottom", c.bottom},
          {"InitialParent", c.parent}};
}

class LockWindow : public Window {
 protected:
  void Layout() override {
    SetProperties({{"Width", 200}, {"Height", 100}, {"MinimumWidth", 20}, {"MinimumHeight", 20}});
  }
  void CreateControls() override {
    for (const LockCase& c : kCases) {
      if (c.name.rfind("grp", 0) == 0) {
        CreateControl<GroupBox>(c.name, DesignOf(c));
      } else {
        CreateControl<Label>(c.name, DesignOf(c));
      }
    }
  }
};

QRect PlaceOf(const RectControl& control) {
  return {control.Left(), control.Top(), control.Width(), control.Height()};
}

class LockTest : public GuiTest, public ::testing::WithParamInterface<LockCase> {};

TEST_P(LockTest, AControlKeepsItsDistanceToTheLockedEdges) {
  const LockCase& c = GetParam();
  LockWindow& window = ImplicitInstance<LockWindow>();
  const RectControl& control = window.ControlByName(c.name);
  ASSERT_EQ(PlaceOf(control), c.design);

  window.SetWidth(250);
  window.SetHeight(130);
  EXPECT_EQ(PlaceOf(control), c.expected);

  // Shrinking below the control's size and growing back loses nothing.
  window.SetWidth(20);
  window.SetHeight(20);
  window.SetWidth(200);
  window.SetHeight(100);
  EXPECT_EQ(PlaceOf(control), c.design);
}

INSTANTIATE_TEST_SUITE_P(Locks, LockTest, ::testing::ValuesIn(kCases), ByName());

}  // namespace
}  // namespace korvanta::testing
