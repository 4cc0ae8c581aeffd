#pragma once

#include <memory>
#include <vector>

#include "shell/app.h"

namespace korvanta {

// The program's steps of start-up, in the order they run.
enum class StartupStep {
  kDeclareHiDPI,
  kNewAppInstance,
  kSetVersionData,
  kAttachMenuBar,
  kMakeDefaultView,
  kEventLoop,
};

// The start-up sequence from the process's arguments to the event loop, in
// steps that tests can run one by one. The shared arrays are class-level and
// exist before main(), so before any window.
class Startup {
 public:
  // argc and argv must outlive the object.
  Startup(int& argc, char** argv);
  // Ends the application object, which ends every window still open.
  ~Startup();
  Startup(const Startup&) = delete;
  Startup& operator=(const Startup&) = delete;

  // Declares high-DPI support, creates the application object with its
  // version data and attaches the shared menu bar, all before any window.
  // Korvanta declares no document file types and no application-level menu
  // handler.
  void EarlyStartup();
  // Creates the main window, which shows itself; runs once, before the first
  // user event.
  void LateStartup();
  // The event loop, until the application quits; gives the status of Quit.
  int Run();

  // The application object once EarlyStartup has made it, else nullptr.
  App* GetApp() const { return app_.get(); }
  // The steps taken so far.
  const std::vector<StartupStep>& Trace() const { return trace_; }

 private:
  void NewAppInstance();
  void MakeDefaultView();

  int& argc_;
  char** argv_;
  std::unique_ptr<App> app_;
  std::vector<StartupStep> trace_;
};

// The process's exit status when start-up fails before the event loop.
inline constexpr int kStartupFailedStatus = 1;

// The whole sequence, as main() runs it. An error during start-up is shown
// as any uncaught error is, the rest is skipped and the status is
// kStartupFailedStatus; otherwise the status is what the event loop gives.
int RunStartup(int& argc, char** argv);

}  // namespace korvanta
