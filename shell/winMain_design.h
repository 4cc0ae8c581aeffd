#pragma once

#include <string>
#include <vector>

#include "toolkit/qt/design.h"

namespace korvanta {

// The toolkit class a control of the main window is made of.
enum class ControlClass { kGroupBox, kPushButton, kTextField, kLabel, kRadioButton };

// One control of the main window's stored design: its name, its class and
// its design list with every key, in the order the window creates them.
struct ControlDesign {
  std::string name;
  ControlClass type;
  DesignList design;
};

// The main window's own design list.
const DesignList& MainWindowDesign();

// The 28 controls in creation order: each group box comes before the
// controls it holds, and the creation order is also the accessors' order.
const std::vector<ControlDesign>& MainControlDesigns();

}  // namespace korvanta
