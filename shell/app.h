#pragma once

#include "toolkit/qt/application.h"

namespace korvanta {

// Korvanta's application object. It adds nothing to the toolkit's
// application but the program's name and version for the platform; it
// handles no application event and no menu command.
class App : public Application {
 public:
  App(int& argc, char** argv);
};

// The version data that start-up gives the application object: version 1,
// the other numbers 0, the three texts empty.
VersionData AppVersionData();

}  // namespace korvanta
