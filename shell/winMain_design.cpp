#include <string>

#include "shell/winMain_design.h"
#include "shell/winMain_rows.h"
#include "toolkit/qt/design_builders.h"

namespace korvanta {
namespace {

using enum ControlClass;

DesignList DesignOf(const MainControlRow& row) {
  switch (row.type) {
    case kGroupBox:
      return GroupBoxDesign(row.values);
    case kPushButton:
      return PushButtonDesign(row.values);
    case kTextField:
      return TextFieldDesign(row.values);
    case kLabel:
      return LabelDesign(row.values);
    case kRadioButton:
      return RadioButtonDesign(row.values);
  }
  return {};
}

}  // namespace

const DesignList& MainWindowDesign() {
  static const DesignList design = WindowDesign(kMainWindowValues);
  return design;
}

const std::vector<ControlDesign>& MainControlDesigns() {
  static const std::vector<ControlDesign> designs = [] {
    std::vector<ControlDesign> all;
    all.reserve(kMainControlRows.size());
    for (const MainControlRow& row : kMainControlRows) {
      all.push_back({std::string(row.values.name), row.type, DesignOf(row)});
    }
    return all;
  }();
  return designs;
}

}  // namespace korvanta
