#include "toolkit/qt/application.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QThread>

#include "toolkit/core/exceptions.h"
#include "toolkit/qt/look.h"
#include "toolkit/qt/presenters.h"
#include "toolkit/qt/window.h"

namespace korvanta {
namespace {

Application* current = nullptr;

}  // namespace

void Application::SetSupportsHiDPI(bool supported) {
  if (QCoreApplication::instance() != nullptr) {
    throw RuntimeException("high-DPI support must be declared before the application exists");
  }
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
      supported ? Qt::HighDpiScaleFactorRoundingPolicy::PassThrough
                : Qt::HighDpiScaleFactorRoundingPolicy::Round);
}

Application::Application(int& argc, char** argv) {
  if (current != nullptr) throw RuntimeException("an application object exists already");
  qt_ = std::make_unique<QApplication>(argc, argv);
  ApplyLook();
  previous_messages_ = SetMessagePresenter(ShowMessageBox);
  previous_dialogs_ = SetDialogPresenter(QtDialogPresenter());
  current = this;
}

Application::~Application() {
  DestroyAllWindows();
  SetDialogPresenter(std::move(previous_dialogs_));
  SetMessagePresenter(std::move(previous_messages_));
  current = nullptr;
  qt_.reset();
}

Application* Application::Instance() {
  return current;
}

int Application::Run() {
  const int status = quit_requested_ ? quit_status_ : QApplication::exec();
  quit_requested_ = false;
  return status;
}

void Application::Quit(int status) {
  quit_requested_ = true;
  quit_status_ = status;
  // Outside the event loop there is nothing to end yet: Run returns at once.
  if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(status);
}

}  // namespace korvanta
