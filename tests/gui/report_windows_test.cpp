#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QWidget>
#include <algorithm>
#include <string>
#include <vector>

#include "engine/windows/report_windows_on_screen.h"
#include "engine/windows/wnd_param.h"
#include "engine/windows/wnd_results.h"
#include "tests/support/case_names.h"
#include "tests/support/gui_fixture.h"
#include "toolkit/qt/implicit_instance.h"
#include "toolkit/qt/text_area.h"

namespace korvanta::testing {
namespace {

QRect PlaceOf(const RectControl& control) {
  return {control.Left(), control.Top(), control.Width(), control.Height()};
}

class ReportWindowsTest : public GuiTest {
 protected:
  ReportWindowsOnScreen windows;
};

// What the engine does for one transformation.
void Transform(ReportWindows& windows, const std::string& title, int lines) {
  windows.ResultsWindow().SetTitle(title);
  windows.ResultsWindow().SetVisible(true);
  for (int i = 1; i <= lines; ++i) {
    windows.ResultsWindow().AddText(title.substr(0, 1) + std::to_string(i) + ", 1.0, 2.0\n");
  }
}

TEST_F(ReportWindowsTest, TheResultsWindowIsBuiltHiddenFromItsDesign) {
  EXPECT_FALSE(IsOpen<wndResults>());
  TextWindow& window = windows.ResultsWindow();
  wndResults& results = ImplicitInstance<wndResults>();
  EXPECT_EQ(&window, static_cast<TextWindow*>(&results));
  EXPECT_FALSE(results.Visible());
  EXPECT_EQ(results.Title(), "Transformatin Results");
  EXPECT_EQ(QSize(results.Width(), results.Height()), QSize(360, 314));
  EXPECT_EQ(results.txtTransformed().Text(), "");
  EXPECT_EQ(PlaceOf(results.txtTransformed()), QRect(30, 10, 300, 237));
  EXPECT_EQ(PlaceOf(results.btnResultsOK()), QRect(140, 272, 80, 22));
  EXPECT_EQ(results.btnResultsOK().Caption(), "OK");
  EXPECT_TRUE(results.btnResultsOK().Default());
}

TEST_F(ReportWindowsTest, LinesAccumulateWhileTheResultsWindowIsOpen) {
  Transform(windows, "Conformal Transformation", 2);
  Transform(windows, "Affine Transformation", 1);
  wndResults& results = ImplicitInstance<wndResults>();
  EXPECT_TRUE(results.Visible());
  EXPECT_EQ(results.Title(), "Affine Transformation");
  EXPECT_EQ(results.txtTransformed().Text(), "C1, 1.0, 2.0\nC2, 1.0, 2.0\nA1, 1.0, 2.0\n");
}

// "OK" and the close box both end the results window; the next
// transformation gets a fresh, empty one.
class ResultsEndTest : public ReportWindowsTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ResultsEndTest, TheNextTransformationGetsAFreshWindow) {
  Transform(windows, "Conformal Transformation", 3);
  wndResults& results = ImplicitInstance<wndResults>();
  QPointer<QWidget> frame = results.Widget();
  if (GetParam()) {
    results.Widget()->close();
  } else {
    results.btnResultsOK().Press();
  }
  EXPECT_FALSE(IsOpen<wndResults>());
  EXPECT_FALSE(frame->isVisible());
  DeliverDeferredDeletes();
  EXPECT_TRUE(frame.isNull());

  Transform(windows, "Projective Transformation", 1);
  wndResults& fresh = ImplicitInstance<wndResults>();
  EXPECT_EQ(fresh.txtTransformed().Text(), "P1, 1.0, 2.0\n");
  EXPECT_EQ(QSize(fresh.Width(), fresh.Height()), QSize(360, 314));
}

INSTANTIATE_TEST_SUITE_P(OkAndCloseBox, ResultsEndTest, ::testing::Bool(),
                         ByBool("Ok", "CloseBox"));

TEST_F(ReportWindowsTest, TheCoefficientsWindowIsShownAtOnceAndOkEmptiesAndHidesIt) {
  TextWindow& window = windows.ParamWindow();
  wndParam& param = ImplicitInstance<wndParam>();
  EXPECT_TRUE(param.Visible());
  EXPECT_EQ(param.Title(), "Coefficients");
  EXPECT_EQ(QSize(param.Width(), param.Height()), QSize(308, 274));
  window.SetText("");
  window.AddText("6 degrees of freedom\n\n");
  window.AddText(
      "a1=  1   \xC2\xB1"
      "0.1\n");
  EXPECT_EQ(param.txtParam().Text(),
            "6 degrees of freedom\n\na1=  1   \xC2\xB1"
            "0.1\n");

  QPointer<QWidget> frame = param.Widget();
  param.btmParamOK().Press();
  EXPECT_EQ(param.txtParam().Text(), "");
  EXPECT_FALSE(param.Visible());
  EXPECT_TRUE(IsOpen<wndParam>());
  DeliverDeferredDeletes();
  EXPECT_FALSE(frame.isNull());

  // The next report shows the same window again.
  windows.ParamWindow().SetVisible(true);
  EXPECT_EQ(&ImplicitInstance<wndParam>(), &param);
  EXPECT_TRUE(param.Widget()->isVisible());
}

// At survey scale a coefficient line is wider than the 268-pixel area. How
// many lines it takes depends on the fonts at hand; however many, each line
// it wraps onto stands in by the hanging indent, so it reads as the rest of
// its entry. The window's text, which the user copies, is the report as
// built, and the laid-out lines hold the entry's text, nothing added.
TEST_F(ReportWindowsTest, AWrappedCoefficientLineStandsInAndKeepsItsText) {
  const std::string a2_entry =
      "a2=  -0.03021086033264488   \xC2\xB1"
      "3.0661674312628814e-06";
  const std::string report =
      "6 degrees of freedom\n\n"
      "a1=  0.9996043934595225   \xC2\xB1"
      "4.529248580515101e-06\n" +
      a2_entry + "\n";
  TextWindow& window = windows.ParamWindow();
  window.SetText("");
  window.AddText("6 degrees of freedom\n\n");
  window.AddText(report.substr(report.find("a1=")));
  const TextArea& area = ImplicitInstance<wndParam>().txtParam();
  EXPECT_EQ(area.Text(), report);

  const QTextDocument& document = *static_cast<QTextEdit*>(area.Widget())->document();
  const QTextBlock a2 = document.findBlockByNumber(3);
  document.documentLayout()->blockBoundingRect(a2);  // lays the block out
  const QTextLayout& lines = *a2.layout();
  ASSERT_GE(lines.lineCount(), 2);
  const double indent = a2.blockFormat().leftMargin();
  EXPECT_GT(indent, 0.0);
  QString laid_out = a2.text().left(lines.lineAt(0).textLength());
  for (int i = 1; i < lines.lineCount(); ++i) {
    const QTextLine line = lines.lineAt(i);
    EXPECT_EQ(line.x(), lines.lineAt(0).x() + indent) << i;
    laid_out += a2.text().mid(line.textStart(), line.textLength());
  }
  EXPECT_EQ(laid_out.toStdString(), a2_entry);
}

TEST_F(ReportWindowsTest, TheCoefficientsCloseBoxGivesAFreshWindowNextTime) {
  windows.ParamWindow().AddText("old report\n");
  QPointer<QWidget> frame = ImplicitInstance<wndParam>().Widget();
  frame->close();
  EXPECT_FALSE(IsOpen<wndParam>());
  DeliverDeferredDeletes();
  EXPECT_TRUE(frame.isNull());

  windows.ParamWindow();
  wndParam& fresh = ImplicitInstance<wndParam>();
  EXPECT_TRUE(fresh.Visible());
  EXPECT_EQ(fresh.Title(), "Coefficients");
  EXPECT_EQ(fresh.txtParam().Text(), "");
}

// Both areas store their own keys, after the 14 every control begins with,
// sorted by name; only the results area has an InitialParent key, last.
TEST_F(ReportWindowsTest, TheAreasStoreTheirOwnKeysByName) {
  const DesignList& param = ImplicitInstance<wndParam>().txtParam().Design();
  const DesignList& results = ImplicitInstance<wndResults>().txtTransformed().Design();
  EXPECT_FALSE(param.Has("InitialParent"));
  ASSERT_EQ(results.Entries().back().key, "InitialParent");
  for (const DesignList* design : {&param, &results}) {
    std::vector<std::string> own;
    for (const DesignEntry& entry : design->Entries()) own.push_back(entry.key);
    ASSERT_EQ(own.size(), design == &param ? 46u : 47u);
    EXPECT_EQ(own.front(), "Name");
    EXPECT_EQ(own[13], "AllowAutoDeactivate");
    own.erase(own.begin(), own.begin() + 14);
    if (design == &results) own.pop_back();
    EXPECT_TRUE(std::ranges::is_sorted(own));
  }
}

TEST_F(ReportWindowsTest, ResizingKeepsTheDesignedLocks) {
  wndResults& results = ImplicitInstance<wndResults>();
  wndParam& param = ImplicitInstance<wndParam>();
  for (Window* window : {static_cast<Window*>(&results), static_cast<Window*>(&param)}) {
    window->SetWidth(window->Width() + 40);
    window->SetHeight(window->Height() + 60);
  }
  // The results window's area and button keep their place and size.
  EXPECT_EQ(PlaceOf(results.txtTransformed()), QRect(30, 10, 300, 237));
  EXPECT_EQ(PlaceOf(results.btnResultsOK()), QRect(140, 272, 80, 22));
  // The coefficients window's button follows the bottom edge.
  EXPECT_EQ(PlaceOf(param.txtParam()), QRect(20, 20, 268, 210));
  EXPECT_EQ(PlaceOf(param.btmParamOK()), QRect(119, 302, 80, 22));

  for (Window* window : {static_cast<Window*>(&results), static_cast<Window*>(&param)}) {
    window->SetWidth(1);
    window->SetHeight(1);
    EXPECT_EQ(QSize(window->Width(), window->Height()), QSize(64, 64));
  }
}

}  // namespace
}  // namespace korvanta::testing
