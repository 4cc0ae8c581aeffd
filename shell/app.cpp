#include "shell/app.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QString>

namespace korvanta {

App::App(int& argc, char** argv) : Application(argc, argv) {
  QCoreApplication::setApplicationName(QStringLiteral("Korvanta"));
  QCoreApplication::setApplicationVersion(QStringLiteral(KORVANTA_VERSION));
  // Lets desktops match the windows to the installed korvanta.desktop.
  QGuiApplication::setDesktopFileName(QStringLiteral("korvanta"));
}

VersionData AppVersionData() {
  return VersionData{.major_version = 1,
                     .minor_version = 0,
                     .bug_version = 0,
                     .non_release_version = 0,
                     .stage_code = 0,
                     .long_version = "",
                     .short_version = "",
                     .package_info = ""};
}

}  // namespace korvanta
