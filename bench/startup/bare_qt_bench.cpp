// The floor for start-up: a Qt Widgets program that shows one empty window
// of the main window's content size and ends the same way once it is shown.
#include <QApplication>
#include <QWidget>

#include "bench/startup/shown_exit.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(400, 330);
  window.show();
  korvanta::bench::ExitOnceShown(window);
  return QApplication::exec();
}
