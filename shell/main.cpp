// Korvanta: 2-D coordinate transformation from control points.
#include "shell/startup.h"

int main(int argc, char** argv) {
  return korvanta::RunStartup(argc, argv);
}
