// A manual look at the main window and the help window as start-up builds
// them; not part of the program.
//
//   cmake -S . -B build -G Ninja -DKORVANTA_SHELL_DEMO=ON
//   ninja -C build korvanta_shell_screens
//   xvfb-run -a -s '-screen 0 1024x768x24' build/shell/korvanta_shell_screens /tmp
//
// With a folder it writes main.png and help.png there (each window as Qt
// draws it) and quits with status 0; without one it stays open until
// File > Exit.
#include <QPixmap>
#include <QString>
#include <QTimer>
#include <QWidget>

#include "shell/startup.h"
#include "shell/winMain.h"
#include "shell/wndHelp.h"
#include "toolkit/qt/implicit_instance.h"

int main(int argc, char** argv) {
  korvanta::Startup startup(argc, argv);
  startup.EarlyStartup();
  startup.LateStartup();
  korvanta::ImplicitInstance<korvanta::winMain>().Widget()->move(20, 20);
  korvanta::wndHelp& help = korvanta::ImplicitInstance<korvanta::wndHelp>();
  help.Widget()->move(460, 20);
  help.SetVisible(true);

  if (argc > 1) {
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QTimer::singleShot(500, [&startup, folder] {
      korvanta::ImplicitInstance<korvanta::winMain>().Widget()->grab().save(folder + "/main.png");
      korvanta::ImplicitInstance<korvanta::wndHelp>().Widget()->grab().save(folder + "/help.png");
      startup.GetApp()->Quit(0);
    });
  }
  return startup.Run();
}
