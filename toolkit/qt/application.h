#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "toolkit/core/dialogs.h"
#include "toolkit/core/message.h"

class QApplication;

namespace korvanta {

class MenuBar;

// The application's version data, set once at start-up.
struct VersionData {
  std::int64_t major_version = 0;
  std::int64_t minor_version = 0;
  std::int64_t bug_version = 0;
  std::int64_t non_release_version = 0;
  std::int64_t stage_code = 0;
  std::string long_version;
  std::string short_version;
  std::string package_info;
};

// The application object: owns the QApplication, the look of every window,
// the Qt message box and file dialogs behind the toolkit's seams, and the
// application's menu bar. Exactly one exists at a time.
class Application {
 public:
  // Declares high-DPI support. Must come before the application object
  // exists: true lets Qt scale by the screen's exact factor (PassThrough),
  // false rounds it to a whole number. Throws RuntimeException afterwards.
  static void SetSupportsHiDPI(bool supported);

  // Creates the QApplication, applies the look and installs the Qt message
  // box and file dialogs (tests may replace them afterwards through the
  // seams). argc and argv must outlive the object.
  Application(int& argc, char** argv);
  // Destroys every window that is still open, then the QApplication.
  virtual ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // The one application object, or nullptr when there is none.
  static Application* Instance();

  // Runs the event loop until Quit and gives the status passed to it. A Quit
  // that came before Run makes Run return at once.
  int Run();
  // Ends the event loop with status; returns at once. Closing the last main
  // window (frame kind 0) also ends it, with status 0, whatever secondary
  // windows are shown.
  void Quit(int status);

  void SetVersionData(const VersionData& data) { version_ = data; }
  const VersionData& Version() const { return version_; }
  std::int64_t MajorVersion() const { return version_.major_version; }
  std::int64_t MinorVersion() const { return version_.minor_version; }
  std::int64_t BugVersion() const { return version_.bug_version; }
  std::int64_t NonReleaseVersion() const { return version_.non_release_version; }
  std::int64_t StageCode() const { return version_.stage_code; }
  const std::string& LongVersion() const { return version_.long_version; }
  const std::string& ShortVersion() const { return version_.short_version; }
  const std::string& PackageInfo() const { return version_.package_info; }

  // The menu bar that every window whose design has MenuBarVisible shows.
  // Not owned: it must outlive every window; windows built before it was set
  // show none.
  void SetMenuBar(MenuBar* bar) { menu_bar_ = bar; }
  MenuBar* GetMenuBar() const { return menu_bar_; }

 private:
  std::unique_ptr<QApplication> qt_;
  MessagePresenter previous_messages_;
  DialogPresenter previous_dialogs_;
  VersionData version_;
  MenuBar* menu_bar_ = nullptr;
  bool quit_requested_ = false;
  int quit_status_ = 0;
};

}  // namespace korvanta
