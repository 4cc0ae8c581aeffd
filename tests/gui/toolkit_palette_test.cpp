// The application's palette is the light one that the designs' colours were
// chosen for, held whole, so that no desktop theme's colours show through;
// and on a desktop without a theme of its own it is the style's own palette,
// so the windows look there as they always did. (The dark desktop itself is
// tried on the real program, by tests/desktop/readable_on_dark_theme.sh.)
#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QMetaEnum>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <memory>

#include "tests/support/gui_fixture.h"
#include "toolkit/qt/look.h"
#include "toolkit/qt/palette.h"

namespace korvanta::testing {
namespace {

constexpr QPalette::ColorGroup kGroups[] = {QPalette::Active, QPalette::Inactive,
                                            QPalette::Disabled};

const char* RoleName(int role) {
  return QMetaEnum::fromType<QPalette::ColorRole>().valueToKey(role);
}

const char* GroupName(QPalette::ColorGroup group) {
  return QMetaEnum::fromType<QPalette::ColorGroup>().valueToKey(group);
}

// Every role but NoRole, which stands for no colour.
bool IsColorRole(int role) {
  return role != QPalette::NoRole;
}

TEST(PaletteTest, WithoutADesktopThemeTheLightPaletteIsTheStylesOwn) {
  // The offscreen platform has no theme: the style gives its light palette.
  const std::unique_ptr<QStyle> fusion(QStyleFactory::create(kStyleName));
  ASSERT_NE(fusion, nullptr);
  const QPalette theirs = fusion->standardPalette();
  ASSERT_EQ(theirs.color(QPalette::Active, QPalette::Window).lightness(), 239)
      << "the style's palette here is not its light one";
  const QPalette ours = LightPalette();
  for (const QPalette::ColorGroup group : kGroups) {
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
      if (!IsColorRole(role)) continue;
      const auto r = static_cast<QPalette::ColorRole>(role);
      EXPECT_EQ(ours.color(group, r).rgba(), theirs.color(group, r).rgba())
          << GroupName(group) << " " << RoleName(role) << ": ours "
          << ours.color(group, r).name(QColor::HexArgb).toStdString() << ", the style's "
          << theirs.color(group, r).name(QColor::HexArgb).toStdString();
    }
  }
}

TEST(PaletteTest, TheApplicationHoldsEveryColourOfTheLightPalette) {
  // A role the application's palette leaves unset is taken from the desktop
  // theme, as the style's palette leaves several.
  const QPalette shown = QApplication::palette();
  const QPalette light = LightPalette();
  for (const QPalette::ColorGroup group : kGroups) {
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
      if (!IsColorRole(role)) continue;
      const auto r = static_cast<QPalette::ColorRole>(role);
      EXPECT_TRUE(shown.isBrushSet(group, r))
          << GroupName(group) << " " << RoleName(role) << " is left to the desktop";
      EXPECT_EQ(shown.color(group, r).rgba(), light.color(group, r).rgba())
          << GroupName(group) << " " << RoleName(role);
    }
  }
}

TEST(PaletteTest, TextFieldsAndAreasShowBlackOnWhiteAndLabelsBlackOnTheWindow) {
  const QPalette light = LightPalette();
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    EXPECT_EQ(light.color(group, QPalette::Base), QColor(Qt::white)) << GroupName(group);
    EXPECT_EQ(light.color(group, QPalette::Text), QColor(Qt::black)) << GroupName(group);
    EXPECT_EQ(light.color(group, QPalette::WindowText), QColor(Qt::black)) << GroupName(group);
    EXPECT_GT(light.color(group, QPalette::Window).lightness(), 200) << GroupName(group);
  }
}

}  // namespace
}  // namespace korvanta::testing
