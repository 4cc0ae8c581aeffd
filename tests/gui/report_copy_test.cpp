#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTextEdit>
#include <memory>
#include <string>
#include <tuple>

#include "engine/windows/wnd_param.h"
#include "engine/windows/wnd_results.h"
#include "tests/support/shell_fixture.h"
#include "toolkit/qt/implicit_instance.h"
#include "toolkit/qt/text_area.h"

namespace korvanta::testing {
namespace {

// A report as the engine appends it: comma-separated lines, the last one
// ended too. The no-break space and the line separator are characters a
// rich-text document keeps as they are; on the clipboard they are plain.
const std::string kReport =
    "P1, 100.000, 200.000\n"
    "P2, 101.000, 201.000\xC2\xA0"
    "m\n"
    "P3, 102.000,\xE2\x80\xA8"
    "202.000\n";
const std::string kCopied =
    "P1, 100.000, 200.000\n"
    "P2, 101.000, 201.000 m\n"
    "P3, 102.000,\n"
    "202.000\n";

enum class Report { kResults, kCoefficients };

ReportWindow& WindowOf(Report report) {
  if (report == Report::kResults) return ImplicitInstance<wndResults>();
  return ImplicitInstance<wndParam>();
}

TextArea& AreaOf(Report report) {
  if (report == Report::kResults) return ImplicitInstance<wndResults>().txtTransformed();
  return ImplicitInstance<wndParam>().txtParam();
}

// The item of the window's own Edit menu, chosen as the user chooses it: the
// menu opens (which enables its items for the focused control), then the
// item is clicked.
void ChooseEditItem(const Window& window, const char* name) {
  auto* item = window.MenuBarWidget()->findChild<QAction*>(name);
  ASSERT_NE(item, nullptr) << name;
  auto* menu = qobject_cast<QMenu*>(item->parent());
  ASSERT_NE(menu, nullptr) << name;
  emit menu->aboutToShow();
  ASSERT_TRUE(item->isEnabled()) << name;
  item->trigger();
}

// A key pressed in the focused control, as the window system delivers it: the
// control is asked first whether it takes the key itself, before any menu
// shortcut could, and then gets the key.
void PressKey(QWidget& focused, Qt::Key key) {
  QKeyEvent override_event(QEvent::ShortcutOverride, key, Qt::ControlModifier);
  override_event.ignore();
  QCoreApplication::sendEvent(&focused, &override_event);
  ASSERT_TRUE(override_event.isAccepted()) << "the menu shortcut would take the key";
  QKeyEvent press(QEvent::KeyPress, key, Qt::ControlModifier);
  QCoreApplication::sendEvent(&focused, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::ControlModifier);
  QCoreApplication::sendEvent(&focused, &release);
}

// The item of the control's own context menu.
void ChooseContextItem(QTextEdit& edit, const char* name) {
  const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
  auto* item = menu->findChild<QAction*>(name);
  ASSERT_NE(item, nullptr) << name;
  ASSERT_TRUE(item->isEnabled()) << name;
  item->trigger();
}

enum class Way { kMenuCopy, kMenuCut, kKeyCopy, kKeyCut, kContextCopy, kContextCut };

bool Cuts(Way way) {
  return way == Way::kMenuCut || way == Way::kKeyCut || way == Way::kContextCut;
}

void CopyOrCut(Way way, const Window& window, QTextEdit& edit) {
  switch (way) {
    case Way::kMenuCopy:
      return ChooseEditItem(window, "EditCopy");
    case Way::kMenuCut:
      return ChooseEditItem(window, "EditCut");
    case Way::kKeyCopy:
      return PressKey(edit, Qt::Key_C);
    case Way::kKeyCut:
      return PressKey(edit, Qt::Key_X);
    case Way::kContextCopy:
      return ChooseContextItem(edit, "edit-copy");
    case Way::kContextCut:
      return ChooseContextItem(edit, "edit-cut");
  }
}

std::string NameOf(Report report) {
  return report == Report::kResults ? "Results" : "Coefficients";
}

std::string NameOf(Way way) {
  switch (way) {
    case Way::kMenuCopy:
      return "MenuCopy";
    case Way::kMenuCut:
      return "MenuCut";
    case Way::kKeyCopy:
      return "KeyCopy";
    case Way::kKeyCut:
      return "KeyCut";
    case Way::kContextCopy:
      return "ContextCopy";
    case Way::kContextCut:
      return "ContextCut";
  }
  return "";
}

std::string CaseName(const ::testing::TestParamInfo<std::tuple<Report, Way>>& tested) {
  return NameOf(std::get<0>(tested.param)) + NameOf(std::get<1>(tested.param));
}

class ReportCopyTest : public ShellTest,
                       public ::testing::WithParamInterface<std::tuple<Report, Way>> {};

// A report pasted into a spreadsheet or a text editor arrives as its lines:
// the clipboard offers the text alone, never the area's paragraph layout.
TEST_P(ReportCopyTest, TheClipboardGetsThePlainTextAlone) {
  const auto [report, way] = GetParam();
  ReportWindow& window = WindowOf(report);
  TextArea& area = AreaOf(report);
  window.SetVisible(true);
  window.AddText(kReport);
  ASSERT_EQ(area.Text(), kCopied);

  auto* edit = qobject_cast<QTextEdit*>(area.Widget());
  ASSERT_NE(edit, nullptr);
  window.Widget()->activateWindow();
  QApplication::setActiveWindow(window.Widget());
  edit->setFocus();
  QCoreApplication::processEvents();
  ASSERT_EQ(QApplication::focusWidget(), edit);
  QGuiApplication::clipboard()->clear();

  ASSERT_NO_FATAL_FAILURE(ChooseEditItem(window, "EditSelectAll"));
  ASSERT_NO_FATAL_FAILURE(CopyOrCut(way, window, *edit));

  const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(copied, nullptr);
  EXPECT_EQ(copied->formats().join(' ').toStdString(), "text/plain");
  EXPECT_EQ(copied->text().toStdString(), kCopied);
  EXPECT_EQ(area.Text(), Cuts(way) ? "" : kCopied);
}

INSTANTIATE_TEST_SUITE_P(
    EveryWay, ReportCopyTest,
    ::testing::Combine(::testing::Values(Report::kResults, Report::kCoefficients),
                       ::testing::Values(Way::kMenuCopy, Way::kMenuCut, Way::kKeyCopy, Way::kKeyCut,
                                         Way::kContextCopy, Way::kContextCut)),
    CaseName);

}  // namespace
}  // namespace korvanta::testing
