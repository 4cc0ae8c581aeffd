#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "shell/credits.h"
#include "shell/winMain_design.h"

namespace korvanta {
namespace {

constexpr Color kWhite{0x00FFFFFF};
constexpr Color kBlack{0x00000000};
// The credit's colour value; the toolkit reads it as 0x00RRGGBB, so blue.
constexpr Color kCreditColor{255};
constexpr std::int64_t kNoControlSet = -2147483648LL;

struct Place {
  std::int64_t left;
  std::int64_t top;
  std::int64_t width;
  std::int64_t height;
};

struct Locks {
  bool left;
  bool top;
  bool right;
  bool bottom;
};

constexpr Locks kLeftTop{true, true, false, false};
constexpr Locks kLeftTopRight{true, true, true, false};
constexpr Locks kTopRight{false, true, true, false};
constexpr Locks kLeftBottom{true, false, false, true};
constexpr Locks kRightBottom{false, false, true, true};

// What tells one control's design from the others; every other key holds the
// value common to its class.
struct ControlRow {
  const char* name;
  ControlClass type;
  const char* parent = "";  // the group box that holds it; "" for the window
  Place place{};
  Locks locks{};
  std::int64_t tab_index = 0;
  const char* content = "";  // Caption of boxes and buttons, Text of fields and labels
  bool enabled = true;
  bool visible = true;
  std::int64_t alignment = 0;  // fields and labels
  Color text_color = kBlack;   // labels
  bool transparent = false;
};

using enum ControlClass;

// Creation order. The projective redundancy field comes before the affine
// one although it sits below it, and the command buttons are made from the
// bottom up.
const std::array<ControlRow, 28> kRows{{
    {.name = "grpIO",
     .type = kGroupBox,
     .place = {20, 5, 354, 123},
     .locks = kLeftTop,
     .tab_index = 4,
     .content = "Files"},
    {.name = "btnInControlFile",
     .type = kPushButton,
     .parent = "grpIO",
     .place = {27, 45, 80, 22},
     .locks = kLeftTop,
     .tab_index = 0,
     .content = "Control"},
    {.name = "btnOutFile",
     .type = kPushButton,
     .parent = "grpIO",
     .place = {27, 70, 80, 22},
     .locks = kLeftTop,
     .tab_index = 1,
     .content = "Output"},
    {.name = "txtControlFile",
     .type = kTextField,
     .parent = "grpIO",
     .place = {120, 45, 175, 22},
     .locks = kLeftTopRight,
     .tab_index = 2},
    {.name = "txtOutFile",
     .type = kTextField,
     .parent = "grpIO",
     .place = {120, 70, 175, 22},
     .locks = kLeftTopRight,
     .tab_index = 3,
     .visible = false},
    {.name = "btnPointFile",
     .type = kPushButton,
     .parent = "grpIO",
     .place = {27, 95, 80, 22},
     .locks = kLeftTop,
     .tab_index = 4,
     .content = "Points",
     .enabled = false},
    {.name = "txtPointFile",
     .type = kTextField,
     .parent = "grpIO",
     .place = {120, 95, 175, 22},
     .locks = kLeftTopRight,
     .tab_index = 5,
     .visible = false},
    {.name = "txtNumControl",
     .type = kTextField,
     .parent = "grpIO",
     .place = {320, 45, 40, 22},
     .locks = kTopRight,
     .tab_index = 6,
     .visible = false,
     .alignment = 2},
    {.name = "txtNumPoints",
     .type = kTextField,
     .parent = "grpIO",
     .place = {320, 95, 40, 22},
     .locks = kTopRight,
     .tab_index = 7,
     .visible = false,
     .alignment = 2},
    {.name = "lblNumber",
     .type = kLabel,
     .parent = "grpIO",
     .place = {315, 20, 50, 20},
     .locks = kTopRight,
     .tab_index = 8,
     .content = "Number",
     .alignment = 2},
    {.name = "grpTrans",
     .type = kGroupBox,
     .place = {20, 138, 258, 162},
     .locks = kLeftBottom,
     .tab_index = 5,
     .content = "Select a transformation",
     .enabled = false},
    {.name = "radConformal",
     .type = kRadioButton,
     .parent = "grpTrans",
     .place = {38, 178, 120, 20},
     .locks = kLeftTop,
     .tab_index = 0,
     .content = "Conformal"},
    {.name = "radAffine",
     .type = kRadioButton,
     .parent = "grpTrans",
     .place = {38, 203, 120, 20},
     .locks = kLeftTop,
     .tab_index = 1,
     .content = "Affine"},
    {.name = "radProject",
     .type = kRadioButton,
     .parent = "grpTrans",
     .place = {38, 228, 120, 20},
     .locks = kLeftTop,
     .tab_index = 2,
     .content = "Projective"},
    {.name = "txtConformDF",
     .type = kTextField,
     .parent = "grpTrans",
     .place = {221, 178, 40, 22},
     .locks = kLeftTop,
     .tab_index = 3,
     .visible = false,
     .alignment = 2},
    {.name = "txtProjectDF",
     .type = kTextField,
     .parent = "grpTrans",
     .place = {221, 228, 40, 22},
     .locks = kLeftTop,
     .tab_index = 4,
     .visible = false,
     .alignment = 2},
    {.name = "txtAffineDF",
     .type = kTextField,
     .parent = "grpTrans",
     .place = {221, 203, 40, 22},
     .locks = kLeftTop,
     .tab_index = 5,
     .visible = false,
     .alignment = 2},
    {.name = "lblDF",
     .type = kLabel,
     .parent = "grpTrans",
     .place = {205, 153, 70, 20},
     .locks = kLeftTop,
     .tab_index = 6,
     .content = "Redundancy",
     .alignment = 2},
    {.name = "lblMinControl",
     .type = kLabel,
     .parent = "grpTrans",
     .place = {125, 153, 60, 20},
     .locks = kLeftTop,
     .tab_index = 7,
     .content = "Min Cntrl",
     .alignment = 2},
    {.name = "lblProjCtrl",
     .type = kLabel,
     .parent = "grpTrans",
     .place = {140, 228, 30, 20},
     .locks = kLeftTop,
     .tab_index = 8,
     .content = "4",
     .alignment = 2},
    {.name = "lblAffCtrl",
     .type = kLabel,
     .parent = "grpTrans",
     .place = {140, 203, 30, 20},
     .locks = kLeftTop,
     .tab_index = 9,
     .content = "3",
     .alignment = 2},
    {.name = "lblConCtrl",
     .type = kLabel,
     .parent = "grpTrans",
     .place = {140, 178, 30, 20},
     .locks = kLeftTop,
     .tab_index = 10,
     .content = "2",
     .alignment = 2},
    {.name = "btnParam",
     .type = kPushButton,
     .parent = "grpTrans",
     .place = {38, 260, 80, 22},
     .locks = kLeftTop,
     .tab_index = 11,
     .content = "Coefficients",
     .enabled = false},
    {.name = "btnQuit",
     .type = kPushButton,
     .place = {300, 264, 80, 22},
     .locks = kRightBottom,
     .tab_index = 7,
     .content = "Quit"},
    {.name = "btnReset",
     .type = kPushButton,
     .place = {300, 230, 80, 22},
     .locks = kRightBottom,
     .tab_index = 10,
     .content = "Reset"},
    {.name = "btnHelp",
     .type = kPushButton,
     .place = {300, 196, 80, 22},
     .locks = kRightBottom,
     .tab_index = 11,
     .content = "Help"},
    {.name = "btnTransform",
     .type = kPushButton,
     .place = {300, 162, 80, 22},
     .locks = kRightBottom,
     .tab_index = 12,
     .content = "Transform",
     .enabled = false},
    {.name = "lblAuthor",
     .type = kLabel,
     .place = {4, 310, 122, 20},
     .locks = kLeftBottom,
     .tab_index = 13,
     .content = kCreditLine.data(),
     .text_color = kCreditColor,
     .transparent = true},
}};

// A design list of the parts in the given order (a DesignList takes its
// entries as one braced list).
template <std::size_t... N>
DesignList Joined(const std::array<DesignEntry, N>&... parts) {
  std::array<DesignEntry, (N + ...)> all;
  auto out = all.begin();
  ((out = std::copy(parts.begin(), parts.end(), out)), ...);
  return [&all]<std::size_t... I>(std::index_sequence<I...>) {
    return DesignList{all[I]...};
  }
  (std::make_index_sequence<(N + ...)>{});
}

// The keys every class begins with.
auto Head(const ControlRow& row) {
  return std::to_array<DesignEntry>({{"Name", row.name},
                                     {"Index", kNoControlSet},
                                     {"Left", row.place.left},
                                     {"Top", row.place.top},
                                     {"Width", row.place.width},
                                     {"Height", row.place.height},
                                     {"LockLeft", row.locks.left},
                                     {"LockTop", row.locks.top},
                                     {"LockRight", row.locks.right},
                                     {"LockBottom", row.locks.bottom},
                                     {"TabIndex", row.tab_index},
                                     {"TabPanelIndex", 0},
                                     {"TabStop", true},
                                     {"AllowAutoDeactivate", true}});
}

// The key every class ends with: the group box that holds the control.
auto Tail(const ControlRow& row) {
  return std::to_array<DesignEntry>({{"InitialParent", row.parent}});
}

DesignList GroupBoxDesign(const ControlRow& row) {
  return Joined(Head(row),
                std::to_array<DesignEntry>({{"Caption", row.content},
                                            {"Enabled", row.enabled},
                                            {"Tooltip", ""},
                                            {"Transparent", row.transparent},
                                            {"Visible", row.visible},
                                            {"Bold", false},
                                            {"Italic", false},
                                            {"FontName", "System"},
                                            {"Underline", false},
                                            {"FontSize", 0.0},
                                            {"FontUnit", 0}}),
                Tail(row));
}

DesignList PushButtonDesign(const ControlRow& row) {
  return Joined(Head(row),
                std::to_array<DesignEntry>({{"MacButtonStyle", 0},
                                            {"Cancel", false},
                                            {"Caption", row.content},
                                            {"Default", false},
                                            {"Enabled", row.enabled},
                                            {"Tooltip", ""},
                                            {"Transparent", row.transparent},
                                            {"Visible", row.visible},
                                            {"FontName", "System"},
                                            {"FontSize", 0.0},
                                            {"FontUnit", 0},
                                            {"Bold", false},
                                            {"Italic", false},
                                            {"Underline", false}}),
                Tail(row));
}

DesignList TextFieldDesign(const ControlRow& row) {
  return Joined(Head(row),
                std::to_array<DesignEntry>({{"BackgroundColor", kWhite},
                                            {"HasBorder", true},
                                            {"Enabled", row.enabled},
                                            {"Format", ""},
                                            {"Tooltip", ""},
                                            {"Password", false},
                                            {"TextColor", kBlack},
                                            {"Transparent", row.transparent},
                                            {"AllowFocusRing", true},
                                            {"Visible", row.visible},
                                            {"FontName", "System"},
                                            {"FontSize", 0.0},
                                            {"FontUnit", 0},
                                            {"Bold", false},
                                            {"Italic", false},
                                            {"Underline", false},
                                            {"Hint", ""},
                                            {"Text", row.content},
                                            {"AllowTabs", false},
                                            {"TextAlignment", row.alignment},
                                            {"AllowSpellChecking", false},
                                            {"MaximumCharactersAllowed", 0},
                                            {"ValidationMask", ""},
                                            {"ReadOnly", false},
                                            {"DataSource", ""},
                                            {"DataField", ""}}),
                Tail(row));
}

DesignList LabelDesign(const ControlRow& row) {
  return Joined(Head(row),
                std::to_array<DesignEntry>({{"Enabled", row.enabled},
                                            {"Tooltip", ""},
                                            {"Multiline", false},
                                            {"Selectable", false},
                                            {"TextAlignment", row.alignment},
                                            {"TextColor", row.text_color},
                                            {"Transparent", row.transparent},
                                            {"Text", row.content},
                                            {"Visible", row.visible},
                                            {"Bold", false},
                                            {"Italic", false},
                                            {"FontName", "System"},
                                            {"Underline", false},
                                            {"FontSize", 0.0},
                                            {"FontUnit", 0},
                                            {"DataSource", ""},
                                            {"DataField", ""}}),
                Tail(row));
}

DesignList RadioButtonDesign(const ControlRow& row) {
  return Joined(Head(row),
                std::to_array<DesignEntry>({{"Caption", row.content},
                                            {"Enabled", row.enabled},
                                            {"Tooltip", ""},
                                            {"Transparent", row.transparent},
                                            {"Visible", row.visible},
                                            {"FontName", "System"},
                                            {"FontSize", 0.0},
                                            {"FontUnit", 0},
                                            {"Bold", false},
                                            {"Italic", false},
                                            {"Underline", false},
                                            {"Value", false}}),
                Tail(row));
}

DesignList DesignOf(const ControlRow& row) {
  switch (row.type) {
    case kGroupBox:
      return GroupBoxDesign(row);
    case kPushButton:
      return PushButtonDesign(row);
    case kTextField:
      return TextFieldDesign(row);
    case kLabel:
      return LabelDesign(row);
    case kRadioButton:
      return RadioButtonDesign(row);
  }
  return {};
}

}  // namespace

const DesignList& MainWindowDesign() {
  static const DesignList design{
      {"Width", 400},
      {"Height", 330},
      {"MinimumWidth", 300},
      {"MinimumHeight", 100},
      {"MaximumWidth", 32000},
      {"MaximumHeight", 32000},
      {"Type", 0},
      {"Title", "Korvanta v1.0"},
      {"HasCloseButton", true},
      {"HasMaximizeButton", true},
      {"HasMinimizeButton", true},
      {"HasFullScreenButton", false},
      {"Resizeable", true},
      {"Composite", false},
      {"MacProcID", 0},
      {"FullScreen", false},
      {"DefaultLocation", 0},
      {"Visible", true},
      {"HasBackgroundColor", false},
      {"BackgroundColor", kWhite},
      {"MenuBarVisible", true},
  };
  return design;
}

const std::vector<ControlDesign>& MainControlDesigns() {
  static const std::vector<ControlDesign> designs = [] {
    std::vector<ControlDesign> all;
    all.reserve(kRows.size());
    for (const ControlRow& row : kRows) all.push_back({row.name, row.type, DesignOf(row)});
    return all;
  }();
  return designs;
}

}  // namespace korvanta
