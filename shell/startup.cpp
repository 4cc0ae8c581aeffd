#include "shell/startup.h"

#include "shell/main_menu_bar.h"
#include "shell/winMain.h"
#include "toolkit/core/exceptions.h"
#include "toolkit/qt/guard.h"
#include "toolkit/qt/implicit_instance.h"

namespace korvanta {

Startup::Startup(int& argc, char** argv) : argc_(argc), argv_(argv) {}

Startup::~Startup() = default;

void Startup::EarlyStartup() {
  trace_.push_back(StartupStep::kDeclareHiDPI);
  Application::SetSupportsHiDPI(true);
  NewAppInstance();
}

void Startup::NewAppInstance() {
  trace_.push_back(StartupStep::kNewAppInstance);
  app_ = std::make_unique<App>(argc_, argv_);
  trace_.push_back(StartupStep::kSetVersionData);
  app_->SetVersionData(AppVersionData());
  // Before any window exists, so that every window that asks for the menu
  // bar shows it.
  trace_.push_back(StartupStep::kAttachMenuBar);
  app_->SetMenuBar(&MainMenuBar::Shared());
}

void Startup::LateStartup() {
  MakeDefaultView();
}

void Startup::MakeDefaultView() {
  trace_.push_back(StartupStep::kMakeDefaultView);
  // The toolkit keeps the window; its design makes it visible.
  ImplicitInstance<winMain>();
}

int Startup::Run() {
  if (!app_) throw RuntimeException("the event loop needs the application object");
  trace_.push_back(StartupStep::kEventLoop);
  return app_->Run();
}

int RunStartup(int& argc, char** argv) {
  Startup startup(argc, argv);
  bool started = false;
  RunGuarded([&] {
    startup.EarlyStartup();
    startup.LateStartup();
    started = true;
  });
  if (!started) return kStartupFailedStatus;
  return startup.Run();
}

}  // namespace korvanta
