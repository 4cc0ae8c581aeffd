// The toolkit's style reads its images without Qt's format detection, yet
// draws exactly what the style it wraps draws.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>
#include <memory>
#include <string>

#include "tests/support/case_names.h"
#include "tests/support/gui_fixture.h"
#include "toolkit/qt/look.h"

namespace korvanta::testing {
namespace {

using testing::PrintTo;

QImage Rendered(QWidget& widget, QStyle* style) {
  widget.setStyle(style);
  QImage image(widget.size(), QImage::Format_ARGB32);
  image.fill(Qt::white);
  widget.render(&image);
  return image;
}

struct BoxCase {
  const char* name;
  const char* title;
  bool enabled;
  bool checkable;
  double font_size;
};

class StyleTest : public GuiTest {
 protected:
  std::unique_ptr<QStyle> fusion{QStyleFactory::create(kStyleName)};
};

class GroupBoxStyleTest : public StyleTest, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(GroupBoxStyleTest, AGroupBoxLooksAsTheWrappedStyleDrawsIt) {
  // Fusion against Fusion, or two blank images, could not differ.
  const auto* own_style = qobject_cast<QProxyStyle*>(QApplication::style());
  ASSERT_NE(own_style, nullptr);
  ASSERT_EQ(own_style->baseStyle()->name().compare(QLatin1String(kStyleName), Qt::CaseInsensitive),
            0);
  ASSERT_NE(fusion, nullptr);
  QGroupBox box(GetParam().title);
  box.setEnabled(GetParam().enabled);
  box.setCheckable(GetParam().checkable);
  box.setFont(ToolkitFont(GetParam().font_size));
  box.resize(258, 162);
  const QImage own = Rendered(box, QApplication::style());
  QImage blank(own.size(), own.format());
  blank.fill(Qt::white);
  EXPECT_NE(own, blank);
  EXPECT_EQ(own, Rendered(box, fusion.get()));
}

// Our style draws the frame of a titled box that has no check box; it hands
// the others back to Fusion, which lifts the frame to the top only for an
// untitled box without a check box. The untitled cases fail for a style that
// frames an untitled box as a titled one, or every untitled box as if it had
// no check box.
INSTANTIATE_TEST_SUITE_P(Boxes, GroupBoxStyleTest,
                         ::testing::Values(BoxCase{"Titled", "Files", true, false, 0.0},
                                           BoxCase{"TitledDisabled", "Select a transformation",
                                                   false, false, 0.0},
                                           BoxCase{"TitledLargerFont", "Files", true, false, 20.0},
                                           BoxCase{"Untitled", "", true, false, 0.0},
                                           BoxCase{"TitledCheckable", "Files", true, true, 0.0},
                                           BoxCase{"UntitledCheckable", "", true, true, 0.0}),
                         ByName());

TEST_F(StyleTest, TheMenuBarsExtensionIconIsTheWrappedStylesOnceDrawn) {
  const QIcon own =
      QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
  const QIcon theirs = fusion->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
  EXPECT_FALSE(own.isNull());
  const QImage image = own.pixmap(16).toImage();
  EXPECT_FALSE(image.isNull());
  EXPECT_EQ(image, theirs.pixmap(16).toImage());
}

}  // namespace
}  // namespace korvanta::testing
