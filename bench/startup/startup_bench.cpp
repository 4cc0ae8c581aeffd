// Korvanta's real start-up, in main()'s order, up to the main window on
// screen: the early start-up (high-DPI, application object, version data,
// menu bar), the late start-up (the main window, which shows itself), then
// the event loop until the window is shown. The steps run unguarded: an error
// ends the process with a failure, which stops the measurement.
#include "bench/startup/shown_exit.h"
#include "shell/startup.h"
#include "shell/winMain.h"
#include "toolkit/qt/implicit_instance.h"

int main(int argc, char** argv) {
  korvanta::Startup startup(argc, argv);
  startup.EarlyStartup();
  startup.LateStartup();
  // The window the late start-up built; asking again builds nothing.
  korvanta::bench::ExitOnceShown(*korvanta::ImplicitInstance<korvanta::winMain>().Widget());
  return startup.Run();
}
