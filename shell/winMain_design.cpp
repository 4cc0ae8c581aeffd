#include <array>
#include <string>

#include "shell/credits.h"
#include "shell/winMain_design.h"
#include "toolkit/qt/design_builders.h"

namespace korvanta {
namespace {

// The credit's colour value; the toolkit reads it as 0x00RRGGBB, so blue.
constexpr Color kCreditColor{255};

// A control's class and what tells its design from the others of the class;
// every other key holds the value common to its class.
struct ControlRow {
  ControlClass type;
  ControlDesignValues values;
};

using enum ControlClass;

// Creation order. The projective redundancy field comes before the affine
// one although it sits below it, and the command buttons are made from the
// bottom up.
const std::array<ControlRow, 28> kRows{{
    {kGroupBox,
     {.name = "grpIO",
      .place = {20, 5, 354, 123},
      .locks = kLockLeftTop,
      .tab_index = 4,
      .content = "Files"}},
    {kPushButton,
     {.name = "btnInControlFile",
      .parent = "grpIO",
      .place = {27, 45, 80, 22},
      .locks = kLockLeftTop,
      .tab_index = 0,
      .content = "Control"}},
    {kPushButton,
     {.name = "btnOutFile",
      .parent = "grpIO",
      .place = {27, 70, 80, 22},
      .locks = kLockLeftTop,
      .tab_index = 1,
      .content = "Output"}},
    {kTextField,
     {.name = "txtControlFile",
      .parent = "grpIO",
      .place = {120, 45, 175, 22},
      .locks = kLockLeftTopRight,
      .tab_index = 2}},
    {kTextField,
     {.name = "txtOutFile",
      .parent = "grpIO",
      .place = {120, 70, 175, 22},
      .locks = kLockLeftTopRight,
      .tab_index = 3,
      .visible = false}},
    {kPushButton,
     {.name = "btnPointFile",
      .parent = "grpIO",
      .place = {27, 95, 80, 22},
      .locks = kLockLeftTop,
      .tab_index = 4,
      .content = "Points",
      .enabled = false}},
    {kTextField,
     {.name = "txtPointFile",
      .parent = "grpIO",
      .place = {120, 95, 175, 22},
      .locks = kLockLeftTopRight,
      .tab_index = 5,
      .visible = false}},
    {kTextField,
     {.name = "txtNumControl",
      .parent = "grpIO",
      .place = {320, 45, 40, 22},
      .locks = kLockTopRight,
      .tab_index = 6,
      .visible = false,
      .alignment = 2}},
    {kTextField,
     {.name = "txtNumPoints",
      .parent = "grpIO",
      .place = {320, 95, 40, 22},
      .locks = kLockTopRight,
      .tab_index = 7,
      .visible = false,
      .alignment = 2}},
    {kLabel,
     {.name = "lblNumber",
      .parent = "grpIO",
      .place = {315, 20, 50, 20},
      .locks = kLockTopRight,
      .tab_index = 8,
      .content = "Number",
      .alignment = 2}},
    {kGroupBox,
     {.name = "grpTrans",
      .place = {20, 138, 258, 162},
      .locks = kLockLeftBottom,
      .tab_index = 5,
      .content = "Select a transformation",
      .enabled = false}},
    {kRadioButton,
     {.name = "radConformal",
      .parent = "grpTrans",
      .place = {38, 178, 120, 20},
      .locks = kLockLeftTop,
      .tab_index = 0,
      .content = "Conformal"}},
    {kRadioButton,
     {.name = "radAffine",
      .parent = "grpTrans",
      .place = {38, 203, 120, 20},
      .locks = kLockLeftTop,
      .tab_index = 1,
      .content = "Affine"}},
    {kRadioButton,
     {.name = "radProject",
      .parent = "grpTrans",
      .place = {38, 228, 120, 20},
      .locks = kLockLeftTop,
      .tab_index = 2,
      .content = "Projective"}},
    {kTextField,
     {.name = "txtConformDF",
      .parent = "grpTrans",
      .place = {221, 178, 40, 22},
      .locks = kLockLeftTop,
      .tab_index = 3,
      .visible = false,
      .alignment = 2}},
    {kTextField,
     {.name = "txtProjectDF",
      .parent = "grpTrans",
      .place = {221, 228, 40, 22},
      .locks = kLockLeftTop,
      .tab_index = 4,
      .visible = false,
      .alignment = 2}},
    {kTextField,
     {.name = "txtAffineDF",
      .parent = "grpTrans",
      .place = {221, 203, 40, 22},
      .locks = kLockLeftTop,
      .tab_index = 5,
      .visible = false,
      .alignment = 2}},
    {kLabel,
     {.name = "lblDF",
      .parent = "grpTrans",
      .place = {205, 153, 70, 20},
      .locks = kLockLeftTop,
      .tab_index = 6,
      .content = "Redundancy",
      .alignment = 2}},
    {kLabel,
     {.name = "lblMinControl",
      .parent = "grpTrans",
      .place = {125, 153, 60, 20},
      .locks = kLockLeftTop,
      .tab_index = 7,
      .content = "Min Cntrl",
      .alignment = 2}},
    {kLabel,
     {.name = "lblProjCtrl",
      .parent = "grpTrans",
      .place = {140, 228, 30, 20},
      .locks = kLockLeftTop,
      .tab_index = 8,
      .content = "4",
      .alignment = 2}},
    {kLabel,
     {.name = "lblAffCtrl",
      .parent = "grpTrans",
      .place = {140, 203, 30, 20},
      .locks = kLockLeftTop,
      .tab_index = 9,
      .content = "3",
      .alignment = 2}},
    {kLabel,
     {.name = "lblConCtrl",
      .parent = "grpTrans",
      .place = {140, 178, 30, 20},
      .locks = kLockLeftTop,
      .tab_index = 10,
      .content = "2",
      .alignment = 2}},
    {kPushButton,
     {.name = "btnParam",
      .parent = "grpTrans",
      .place = {38, 260, 80, 22},
      .locks = kLockLeftTop,
      .tab_index = 11,
      .content = "Coefficients",
      .enabled = false}},
    {kPushButton,
     {.name = "btnQuit",
      .place = {300, 264, 80, 22},
      .locks = kLockRightBottom,
      .tab_index = 7,
      .content = "Quit"}},
    {kPushButton,
     {.name = "btnReset",
      .place = {300, 230, 80, 22},
      .locks = kLockRightBottom,
      .tab_index = 10,
      .content = "Reset"}},
    {kPushButton,
     {.name = "btnHelp",
      .place = {300, 196, 80, 22},
      .locks = kLockRightBottom,
      .tab_index = 11,
      .content = "Help"}},
    {kPushButton,
     {.name = "btnTransform",
      .place = {300, 162, 80, 22},
      .locks = kLockRightBottom,
      .tab_index = 12,
      .content = "Transform",
      .enabled = false}},
    {kLabel,
     {.name = "lblAuthor",
      .place = {4, 310, 122, 20},
      .locks = kLockLeftBottom,
      .tab_index = 13,
      .content = kCreditLine,
      .text_color = kCreditColor,
      .transparent = true}},
}};

DesignList DesignOf(const ControlRow& row) {
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
  static const DesignList design = WindowDesign({.width = 400,
                                                 .height = 330,
                                                 .minimum_width = 300,
                                                 .minimum_height = 100,
                                                 .type = 0,
                                                 .title = "Korvanta v1.0",
                                                 .visible = true});
  return design;
}

const std::vector<ControlDesign>& MainControlDesigns() {
  static const std::vector<ControlDesign> designs = [] {
    std::vector<ControlDesign> all;
    all.reserve(kRows.size());
    for (const ControlRow& row : kRows) {
      all.push_back({std::string(row.values.name), row.type, DesignOf(row)});
    }
    return all;
  }();
  return designs;
}

}  // namespace korvanta
