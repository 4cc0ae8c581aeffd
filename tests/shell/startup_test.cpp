// Start-up makes the application object itself, so these tests run in a
// program of their own where none exists before them.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QByteArray>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <QtGlobal>
#include <fstream>
#include <string>
#include <vector>

#include "engine/transform_engine.h"
#include "shell/app.h"
#include "shell/main_menu_bar.h"
#include "shell/startup.h"
#include "shell/winMain.h"
#include "tests/support/case_names.h"
#include "tests/support/message_recorder.h"
#include "toolkit/qt/guard.h"
#include "toolkit/qt/implicit_instance.h"

namespace korvanta::testing {
namespace {

using enum StartupStep;

class StartupTest : public ::testing::Test {
 protected:
  StartupTest() {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
      qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
  }

  static int VisibleTopLevelWindows() {
    int count = 0;
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
      if (widget->isWindow() && widget->isVisible()) ++count;
    }
    return count;
  }

  char program_[9] = "korvanta";
  char* argv_[2] = {program_, nullptr};
  int argc_ = 1;
};

TEST_F(StartupTest, TheSharedArraysExistBeforeAnyStartUpStep) {
  EXPECT_EQ(Application::Instance(), nullptr);
  EXPECT_EQ(TransformEngine::Coeff.UBound1(), 10);
  EXPECT_EQ(TransformEngine::Coeff.UBound2(), 2);
  EXPECT_EQ(TransformEngine::CoeffID.UBound(), 10);
  EXPECT_EQ(TransformEngine::Control.UBound1(), 25);
  EXPECT_EQ(TransformEngine::Control.UBound2(), 5);
  EXPECT_EQ(TransformEngine::Points.UBound1(), 50);
  EXPECT_EQ(TransformEngine::Points.UBound2(), 3);
}

TEST_F(StartupTest, EarlyStartUpMakesTheApplicationWithItsVersionAndMenuBarButNoWindow) {
  Startup startup(argc_, argv_);
  startup.EarlyStartup();
  EXPECT_EQ(startup.Trace(), (std::vector<StartupStep>{kDeclareHiDPI, kNewAppInstance,
                                                       kSetVersionData, kAttachMenuBar}));

  ASSERT_NE(startup.GetApp(), nullptr);
  EXPECT_EQ(Application::Instance(), startup.GetApp());
  const App& app = *startup.GetApp();
  EXPECT_EQ(app.MajorVersion(), 1);
  EXPECT_EQ(app.MinorVersion(), 0);
  EXPECT_EQ(app.BugVersion(), 0);
  EXPECT_EQ(app.NonReleaseVersion(), 0);
  EXPECT_EQ(app.StageCode(), 0);
  EXPECT_EQ(app.LongVersion(), "");
  EXPECT_EQ(app.ShortVersion(), "");
  EXPECT_EQ(app.PackageInfo(), "");
  EXPECT_EQ(QGuiApplication::highDpiScaleFactorRoundingPolicy(),
            Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
  EXPECT_EQ(QCoreApplication::applicationName(), "Korvanta");
  EXPECT_EQ(QCoreApplication::applicationVersion(), "1.0.0");

  EXPECT_EQ(app.GetMenuBar(), &MainMenuBar::Shared());
  EXPECT_EQ(MainMenuBar::Shared().Count(), 2u);
  EXPECT_FALSE(IsOpen<winMain>());
  EXPECT_EQ(VisibleTopLevelWindows(), 0);
}

TEST_F(StartupTest, LateStartUpShowsOneMainWindowWithTheMenuBarInItsFirstState) {
  Startup startup(argc_, argv_);
  startup.EarlyStartup();
  startup.LateStartup();
  EXPECT_EQ(startup.Trace().back(), kMakeDefaultView);

  ASSERT_TRUE(IsOpen<winMain>());
  winMain& window = ImplicitInstance<winMain>();
  EXPECT_TRUE(window.Visible());
  EXPECT_TRUE(window.Widget()->isVisible());
  EXPECT_EQ(VisibleTopLevelWindows(), 1);
  // The bar was there before the window was built, or it would show none.
  ASSERT_NE(window.MenuBarWidget(), nullptr);
  EXPECT_EQ(window.MenuBarWidget()->actions().size(), 2);
  // The Open handler has run.
  EXPECT_FALSE(window.txtControlFile().Visible());
  EXPECT_FALSE(window.btnOutFile().Enabled());
  EXPECT_TRUE(window.lblAuthor().Italic());
  // The menus were not built again.
  EXPECT_EQ(MainMenuBar::Shared().Count(), 2u);
}

// Whether an image-format plugin of Qt is loaded in this process.
bool AnImagePluginIsLoaded() {
  std::ifstream maps("/proc/self/maps");
  for (std::string line; std::getline(maps, line);) {
    if (line.find("/imageformats/") != std::string::npos) return true;
  }
  return false;
}

// Nothing the first window shows is in a format a plugin reads, so building
// and painting it loads none.
TEST_F(StartupTest, TheFirstWindowIsBuiltAndPaintedWithoutImagePlugins) {
  if (AnImagePluginIsLoaded()) GTEST_SKIP() << "an earlier test in this process loaded one";
  Startup startup(argc_, argv_);
  startup.EarlyStartup();
  startup.LateStartup();
  EXPECT_FALSE(ImplicitInstance<winMain>().Widget()->grab().isNull());
  EXPECT_FALSE(AnImagePluginIsLoaded());
}

// File > Exit and the main window's close box both end the event loop, and
// Run gives the status 0 as the program's exit status.
class StartupQuitTest : public StartupTest, public ::testing::WithParamInterface<bool> {};

TEST_P(StartupQuitTest, TheEventLoopEndsWithStatusZero) {
  Startup startup(argc_, argv_);
  startup.EarlyStartup();
  startup.LateStartup();
  winMain& window = ImplicitInstance<winMain>();
  const bool close_box = GetParam();
  QTimer::singleShot(0, [&window, close_box] {
    if (close_box) {
      window.Widget()->close();
    } else {
      window.MenuBarWidget()->actions()[0]->menu()->actions()[0]->trigger();
    }
  });
  // Should the loop not end, a second timer ends it with another status.
  QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
  EXPECT_EQ(startup.Run(), 0);
  EXPECT_EQ(startup.Trace().back(), kEventLoop);
}

INSTANTIATE_TEST_SUITE_P(Quits, StartupQuitTest, ::testing::Bool(), ByBool("FileExit", "CloseBox"));

TEST_F(StartupTest, AFailedStartUpIsShownSkipsTheRestAndGivesAFailureStatus) {
  Startup first(argc_, argv_);
  first.EarlyStartup();
  MessageRecorder messages;
  // A second start-up cannot declare high-DPI support once an application
  // exists: it stops there.
  EXPECT_EQ(RunStartup(argc_, argv_), kStartupFailedStatus);
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0].rfind(std::string(kUncaughtErrorIntro), 0), 0u);
  EXPECT_NE(messages.texts[0].find("high-DPI"), std::string::npos);
  EXPECT_EQ(Application::Instance(), first.GetApp());
  EXPECT_FALSE(IsOpen<winMain>());
}

}  // namespace
}  // namespace korvanta::testing
