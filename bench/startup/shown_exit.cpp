#include "bench/startup/shown_exit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>

namespace korvanta::bench {
namespace {

constexpr int kGiveUpMs = 10000;

// Watches the window's platform window for the expose that puts it on
// screen. The quit is queued, so that expose (and the paint it brings) runs
// to its end first.
class ExposeWatcher : public QObject {
 public:
  explicit ExposeWatcher(QWindow* window) : QObject(window), window_(window) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!done_ && watched == window_ && event->type() == QEvent::Expose && window_->isExposed()) {
      done_ = true;
      QTimer::singleShot(0, window_, [] { QCoreApplication::exit(0); });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QWindow* window_;
  bool done_ = false;
};

}  // namespace

void ExitOnceShown(QWidget& window) {
  // The platform window exists from here on, before the event loop delivers
  // any expose of it.
  window.winId();
  QWindow* handle = window.windowHandle();
  handle->installEventFilter(new ExposeWatcher(handle));
  QTimer::singleShot(kGiveUpMs, handle, [] {
    std::fputs("the window was never shown\n", stderr);
    QCoreApplication::exit(1);
  });
}

}  // namespace korvanta::bench
