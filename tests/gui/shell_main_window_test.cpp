#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QRect>
#include <QWidget>
#include <string>
#include <string_view>
#include <vector>

#include "shell/credits.h"
#include "shell/winMain.h"
#include "shell/winMain_design.h"
#include "tests/support/case_names.h"
#include "tests/support/shell_fixture.h"
#include "toolkit/qt/implicit_instance.h"
#include "toolkit/qt/look.h"

namespace korvanta::testing {
namespace {

struct ExpectedControl {
  std::string_view name;
  std::string_view type;
  std::string_view parent;
  QRect place;
  std::string_view locks;  // L, T, R, B
  int tab_index;
  std::string_view content;  // Caption or Text
  bool design_enabled;
  bool design_visible;
  bool open_enabled;
  bool open_visible;
};

// The 28 controls in creation order: the design's states, then the states
// the user first sees once the window has opened.
const ExpectedControl kControls[] = {
    {"grpIO", "GroupBox", "", {20, 5, 354, 123}, "LT", 4, "Files", true, true, true, true},
    {"btnInControlFile",
     "PushButton",
     "grpIO",
     {27, 45, 80, 22},
     "LT",
     0,
     "Control",
     true,
     true,
     true,
     true},
    {"btnOutFile",
     "PushButton",
     "grpIO",
     {27, 70, 80, 22},
     "LT",
     1,
     "Output",
     true,
     true,
     false,
     true},
    {"txtControlFile",
     "TextField",
     "grpIO",
     {120, 45, 175, 22},
     "LTR",
     2,
     "",
     true,
     true,
     true,
     false},
    {"txtOutFile",
     "TextField",
     "grpIO",
     {120, 70, 175, 22},
     "LTR",
     3,
     "",
     true,
     false,
     true,
     false},
    {"btnPointFile",
     "PushButton",
     "grpIO",
     {27, 95, 80, 22},
     "LT",
     4,
     "Points",
     false,
     true,
     false,
     true},
    {"txtPointFile",
     "TextField",
     "grpIO",
     {120, 95, 175, 22},
     "LTR",
     5,
     "",
     true,
     false,
     true,
     false},
    {"txtNumControl",
     "TextField",
     "grpIO",
     {320, 45, 40, 22},
     "TR",
     6,
     "",
     true,
     false,
     true,
     false},
    {"txtNumPoints",
     "TextField",
     "grpIO",
     {320, 95, 40, 22},
     "TR",
     7,
     "",
     true,
     false,
     true,
     false},
    {"lblNumber", "Label", "grpIO", {315, 20, 50, 20}, "TR", 8, "Number", true, true, true, true},
    {"grpTrans",
     "GroupBox",
     "",
     {20, 138, 258, 162},
     "LB",
     5,
     "Select a transformation",
     false,
     true,
     false,
     true},
    {"radConformal",
     "RadioButton",
     "grpTrans",
     {38, 178, 120, 20},
     "LT",
     0,
     "Conformal",
     true,
     true,
     true,
     true},
    {"radAffine",
     "RadioButton",
     "grpTrans",
     {38, 203, 120, 20},
     "LT",
     1,
     "Affine",
     true,
     true,
     true,
     true},
    {"radProject",
     "RadioButton",
     "grpTrans",
     {38, 228, 120, 20},
     "LT",
     2,
     "Projective",
     true,
     true,
     true,
     true},
    {"txtConformDF",
     "TextField",
     "grpTrans",
     {221, 178, 40, 22},
     "LT",
     3,
     "",
     true,
     false,
     true,
     false},
    {"txtProjectDF",
     "TextField",
     "grpTrans",
     {221, 228, 40, 22},
     "LT",
     4,
     "",
     true,
     false,
     true,
     false},
    {"txtAffineDF",
     "TextField",
     "grpTrans",
     {221, 203, 40, 22},
     "LT",
     5,
     "",
     true,
     false,
     true,
     false},
    {"lblDF",
     "Label",
     "grpTrans",
     {205, 153, 70, 20},
     "LT",
     6,
     "Redundancy",
     true,
     true,
     true,
     true},
    {"lblMinControl",
     "Label",
     "grpTrans",
     {125, 153, 60, 20},
     "LT",
     7,
     "Min Cntrl",
     true,
     true,
     true,
     true},
    {"lblProjCtrl", "Label", "grpTrans", {140, 228, 30, 20}, "LT", 8, "4", true, true, true, true},
    {"lblAffCtrl", "Label", "grpTrans", {140, 203, 30, 20}, "LT", 9, "3", true, true, true, true},
    {"lblConCtrl", "Label", "grpTrans", {140, 178, 30, 20}, "LT", 10, "2", true, true, true, true},
    {"btnParam",
     "PushButton",
     "grpTrans",
     {38, 260, 80, 22},
     "LT",
     11,
     "Coefficients",
     false,
     true,
     false,
     true},
    {"btnQuit", "PushButton", "", {300, 264, 80, 22}, "RB", 7, "Quit", true, true, true, true},
    {"btnReset", "PushButton", "", {300, 230, 80, 22}, "RB", 10, "Reset", true, true, true, true},
    {"btnHelp", "PushButton", "", {300, 196, 80, 22}, "RB", 11, "Help", true, true, true, true},
    {"btnTransform",
     "PushButton",
     "",
     {300, 162, 80, 22},
     "RB",
     12,
     "Transform",
     false,
     true,
     false,
     true},
    {"lblAuthor", "Label", "", {4, 310, 122, 20}, "LB", 13, kCreditLine, true, true, true, true},
};

std::string LocksOf(const RectControl& control) {
  std::string locks;
  if (control.LockLeft()) locks += 'L';
  if (control.LockTop()) locks += 'T';
  if (control.LockRight()) locks += 'R';
  if (control.LockBottom()) locks += 'B';
  return locks;
}

std::string ContentOf(const RectControl& control) {
  if (const auto* box = dynamic_cast<const GroupBox*>(&control)) return box->Caption();
  if (const auto* button = dynamic_cast<const PushButton*>(&control)) return button->Caption();
  if (const auto* radio = dynamic_cast<const RadioButton*>(&control)) return radio->Caption();
  if (const auto* field = dynamic_cast<const TextField*>(&control)) return field->Text();
  if (const auto* label = dynamic_cast<const Label*>(&control)) return label->Text();
  return "?";
}

// false: the design alone (Open suppressed); true: the window as it opens.
class MainWindowStateTest : public ShellTest, public ::testing::WithParamInterface<bool> {
 protected:
  Window& Build() {
    if (GetParam()) return ImplicitInstance<winMain>();
    return ImplicitInstance<DesignOnlyMain>();
  }
};

TEST_P(MainWindowStateTest, TheControlsComeInCreationOrderWithTheirDesignAndStates) {
  const bool opened = GetParam();
  Window& window = Build();
  ASSERT_EQ(window.ControlCount(), std::size(kControls));
  for (std::size_t i = 0; i < std::size(kControls); ++i) {
    const ExpectedControl& expected = kControls[i];
    const RectControl& control = window.ControlAt(i);
    SCOPED_TRACE(std::string(expected.name));
    EXPECT_EQ(control.Name(), expected.name);
    EXPECT_EQ(control.ClassName(), expected.type);
    EXPECT_EQ(control.Parent() != nullptr ? control.Parent()->Name() : "", expected.parent);
    EXPECT_EQ(QRect(control.Left(), control.Top(), control.Width(), control.Height()),
              expected.place);
    EXPECT_EQ(LocksOf(control), expected.locks);
    EXPECT_EQ(control.TabIndex(), expected.tab_index);
    EXPECT_EQ(ContentOf(control), expected.content);
    EXPECT_EQ(control.Enabled(), opened ? expected.open_enabled : expected.design_enabled);
    EXPECT_EQ(control.Visible(), opened ? expected.open_visible : expected.design_visible);
  }
}

TEST_P(MainWindowStateTest, TheWindowHasItsDesignSizeTitleAndLimits) {
  Window& window = Build();
  EXPECT_TRUE(window.Visible());
  EXPECT_TRUE(window.Widget()->isVisible());
  EXPECT_EQ(window.Title(), "Korvanta v1.0");
  EXPECT_EQ(window.FrameKind(), 0);
  EXPECT_EQ(QSize(window.Width(), window.Height()), QSize(400, 330));
  EXPECT_EQ(QSize(window.MinimumWidth(), window.MinimumHeight()), QSize(300, 100));
  EXPECT_EQ(QSize(window.MaximumWidth(), window.MaximumHeight()), QSize(32000, 32000));
  EXPECT_TRUE(window.Resizeable());
  EXPECT_TRUE(window.MenuBarVisible());

  // As small as 300 x 100, and no smaller.
  window.SetWidth(300);
  window.SetHeight(100);
  EXPECT_EQ(QSize(window.Width(), window.Height()), QSize(300, 100));
  window.SetWidth(120);
  window.SetHeight(40);
  EXPECT_EQ(QSize(window.Width(), window.Height()), QSize(300, 100));
}

TEST_P(MainWindowStateTest, NoRadioButtonIsSelectedAndNoButtonIsDefaultOrCancel) {
  const Window& built = Build();
  for (std::size_t i = 0; i < built.ControlCount(); ++i) {
    const RectControl& control = built.ControlAt(i);
    SCOPED_TRACE(control.Name());
    if (const auto* radio = dynamic_cast<const RadioButton*>(&control)) {
      EXPECT_FALSE(radio->Value());
    }
    if (const auto* button = dynamic_cast<const PushButton*>(&control)) {
      EXPECT_FALSE(button->Default());
      EXPECT_FALSE(button->Cancel());
    }
    if (const auto* field = dynamic_cast<const TextField*>(&control)) {
      // The names show the chosen files; the counts are the user's to edit.
      const bool name = control.Name() == "txtControlFile" || control.Name() == "txtOutFile" ||
                        control.Name() == "txtPointFile";
      EXPECT_EQ(field->ReadOnly(), name);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(DesignAndOpen, MainWindowStateTest, ::testing::Bool(),
                         ByBool("DesignOnly", "Opened"));

class MainWindowTest : public ShellTest {};

TEST_F(MainWindowTest, TheImplicitInstanceIsOneWindowWithNoFileChosen) {
  winMain& window = ImplicitInstance<winMain>();
  EXPECT_EQ(&ImplicitInstance<winMain>(), &window);
  EXPECT_EQ(window.Window::ControlCount(), 28u);
  EXPECT_FALSE(window.ControlFile.has_value());
  EXPECT_FALSE(window.OutputFile.has_value());
  EXPECT_FALSE(window.PointFile.has_value());
}

TEST_F(MainWindowTest, TheCountsAndHeadingsAreCentredAndTheNamesAreNot) {
  const winMain& window = ImplicitInstance<winMain>();
  const std::vector<const TextField*> centred_fields = {
      &window.txtNumControl(), &window.txtNumPoints(), &window.txtConformDF(),
      &window.txtProjectDF(), &window.txtAffineDF()};
  for (const TextField* field : centred_fields) EXPECT_EQ(field->TextAlignment(), 2);
  for (const TextField* field :
       {&window.txtControlFile(), &window.txtOutFile(), &window.txtPointFile()}) {
    EXPECT_EQ(field->TextAlignment(), 0);
  }
  for (const Label* label : {&window.lblNumber(), &window.lblDF(), &window.lblMinControl(),
                             &window.lblProjCtrl(), &window.lblAffCtrl(), &window.lblConCtrl()}) {
    EXPECT_EQ(label->TextAlignment(), 2);
  }
  EXPECT_EQ(window.lblAuthor().TextAlignment(), 0);
}

TEST_F(MainWindowTest, TheCreditIsColouredAndOnOpeningItalicSizeTenAndStillFits) {
  const Label& designed = ImplicitInstance<DesignOnlyMain>().lblAuthor();
  EXPECT_EQ(designed.FontSize(), 0.0);
  EXPECT_FALSE(designed.Italic());

  const Label& credit = ImplicitInstance<winMain>().lblAuthor();
  EXPECT_EQ(credit.TextColor(), Color{255});
  EXPECT_EQ(credit.FontSize(), 10.0);
  EXPECT_TRUE(credit.Italic());
  EXPECT_TRUE(credit.Widget()->font().italic());
  // Measured in another font, the credit could fit here and not on a machine
  // that has the one the program asks for, or the other way round.
  const QFontInfo shown(credit.Widget()->font());
  ASSERT_EQ(shown.family().toStdString(), kFontFamily)
      << "the credit is not shown in " << kFontFamily
      << ": install fonts-dejavu-core, as scripts/setup.sh does";
  ASSERT_EQ(shown.styleName().toStdString(), "Oblique")
      << "the credit is not shown in the italic face of " << kFontFamily << " (" << kFontFamily
      << " Oblique) but in a \"" << shown.styleName().toStdString()
      << "\" face: install fonts-dejavu-extra, as scripts/setup.sh does";
  const QFontMetrics metrics(credit.Widget()->font());
  EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(credit.Text())), credit.Width());
  EXPECT_LE(metrics.height(), credit.Height());
}

TEST_F(MainWindowTest, OneRadioButtonExcludesTheOthersAndNoneWorksInADisabledGroup) {
  winMain& window = ImplicitInstance<winMain>();
  RadioButton* radios[] = {&window.radConformal(), &window.radAffine(), &window.radProject()};

  // The group is disabled: a click reaches none of its controls.
  EXPECT_FALSE(window.grpTrans().Widget()->isEnabled());
  for (RadioButton* radio : radios) {
    radio->Press();
    EXPECT_FALSE(radio->Value());
    EXPECT_TRUE(radio->Enabled());
    EXPECT_FALSE(radio->Widget()->isEnabled());
  }
  for (const RectControl* inside :
       {static_cast<RectControl*>(&window.btnParam()), static_cast<RectControl*>(&window.lblDF()),
        static_cast<RectControl*>(&window.txtConformDF())}) {
    EXPECT_FALSE(inside->Widget()->isEnabled());
  }

  window.grpTrans().SetEnabled(true);
  for (RadioButton* chosen : radios) {
    chosen->Press();
    for (RadioButton* radio : radios) EXPECT_EQ(radio->Value(), radio == chosen);
  }
  // Setting a Value from code clears the others as well.
  window.radAffine().SetValue(true);
  EXPECT_FALSE(window.radConformal().Value());
  EXPECT_TRUE(window.radAffine().Value());
  EXPECT_FALSE(window.radProject().Value());
}

TEST_F(MainWindowTest, FourteenEventsAreBoundEachToAControlOfItsKind) {
  const std::vector<std::pair<std::string_view, std::string_view>> expected = {
      {"btnInControlFile", "Action"}, {"btnOutFile", "Action"},
      {"btnPointFile", "Action"},     {"btnParam", "Action"},
      {"btnQuit", "Action"},          {"btnReset", "Action"},
      {"btnHelp", "Action"},          {"btnTransform", "Action"},
      {"radConformal", "Action"},     {"radAffine", "Action"},
      {"radProject", "Action"},       {"txtControlFile", "TextChange"},
      {"txtOutFile", "TextChange"},   {"txtPointFile", "TextChange"}};
  const std::vector<winMain::EventBinding> bindings = winMain::EventBindings();
  ASSERT_EQ(bindings.size(), expected.size());
  const winMain& window = ImplicitInstance<winMain>();
  for (std::size_t i = 0; i < bindings.size(); ++i) {
    EXPECT_EQ(bindings[i].control, expected[i].first);
    EXPECT_EQ(bindings[i].event, expected[i].second);
    const RectControl& control = window.ControlByName(std::string(bindings[i].control));
    if (bindings[i].event == "TextChange") {
      EXPECT_NE(dynamic_cast<const TextField*>(&control), nullptr) << control.Name();
    } else {
      EXPECT_TRUE(dynamic_cast<const PushButton*>(&control) != nullptr ||
                  dynamic_cast<const RadioButton*>(&control) != nullptr)
          << control.Name();
    }
  }
}

// The design lists keep every key of their class, in the stored order, with
// the values common to the class.
using Keys = std::vector<std::string_view>;

Keys KeysOf(ControlClass type) {
  Keys keys = {"Name",      "Index",
               "Left",      "Top",
               "Width",     "Height",
               "LockLeft",  "LockTop",
               "LockRight", "LockBottom",
               "TabIndex",  "TabPanelIndex",
               "TabStop",   "AllowAutoDeactivate"};
  Keys own;
  switch (type) {
    case ControlClass::kGroupBox:
      own = {"Caption", "Enabled",  "Tooltip",   "Transparent", "Visible", "Bold",
             "Italic",  "FontName", "Underline", "FontSize",    "FontUnit"};
      break;
    case ControlClass::kPushButton:
      own = {"MacButtonStyle", "Cancel",      "Caption", "Default",  "Enabled",
             "Tooltip",        "Transparent", "Visible", "FontName", "FontSize",
             "FontUnit",       "Bold",        "Italic",  "Underline"};
      break;
    case ControlClass::kTextField:
      own = {"BackgroundColor",
             "HasBorder",
             "Enabled",
             "Format",
             "Tooltip",
             "Password",
             "TextColor",
             "Transparent",
             "AllowFocusRing",
             "Visible",
             "FontName",
             "FontSize",
             "FontUnit",
             "Bold",
             "Italic",
             "Underline",
             "Hint",
             "Text",
             "AllowTabs",
             "TextAlignment",
             "AllowSpellChecking",
             "MaximumCharactersAllowed",
             "ValidationMask",
             "ReadOnly",
             "DataSource",
             "DataField"};
      break;
    case ControlClass::kLabel:
      own = {"Enabled",     "Tooltip",  "Multiline", "Selectable", "TextAlignment", "TextColor",
             "Transparent", "Text",     "Visible",   "Bold",       "Italic",        "FontName",
             "Underline",   "FontSize", "FontUnit",  "DataSource", "DataField"};
      break;
    case ControlClass::kRadioButton:
      own = {"Caption",  "Enabled",  "Tooltip", "Transparent", "Visible",   "FontName",
             "FontSize", "FontUnit", "Bold",    "Italic",      "Underline", "Value"};
      break;
  }
  keys.insert(keys.end(), own.begin(), own.end());
  keys.push_back("InitialParent");
  return keys;
}

TEST(MainWindowDesignTest, EveryControlKeepsEveryKeyOfItsClassInOrder) {
  for (const ControlDesign& control : MainControlDesigns()) {
    SCOPED_TRACE(control.name);
    Keys keys;
    for (const DesignEntry& entry : control.design.Entries()) keys.push_back(entry.key);
    EXPECT_EQ(keys, KeysOf(control.type));
  }
}

TEST(MainWindowDesignTest, TheValuesCommonToAClassHoldForEveryControlOfIt) {
  constexpr Color kWhite{0x00FFFFFF};
  struct Common {
    std::string_view key;
    DesignValue value;
  };
  const std::vector<Common> all = {{"Index", std::int64_t{-2147483648LL}},
                                   {"TabPanelIndex", std::int64_t{0}},
                                   {"TabStop", true},
                                   {"AllowAutoDeactivate", true},
                                   {"Tooltip", std::string()},
                                   {"FontName", std::string("System")},
                                   {"FontSize", 0.0},
                                   {"FontUnit", std::int64_t{0}},
                                   {"Bold", false},
                                   {"Italic", false},
                                   {"Underline", false}};
  const std::vector<Common> buttons = {
      {"MacButtonStyle", std::int64_t{0}}, {"Default", false}, {"Cancel", false}};
  const std::vector<Common> fields = {{"Text", std::string()},
                                      {"Password", false},
                                      {"HasBorder", true},
                                      {"AllowFocusRing", true},
                                      {"BackgroundColor", kWhite},
                                      {"TextColor", Color{0}},
                                      {"Format", std::string()},
                                      {"Hint", std::string()},
                                      {"ValidationMask", std::string()},
                                      {"MaximumCharactersAllowed", std::int64_t{0}},
                                      {"AllowTabs", false},
                                      {"AllowSpellChecking", false},
                                      {"DataSource", std::string()},
                                      {"DataField", std::string()}};
  const std::vector<Common> labels = {{"Multiline", false},
                                      {"Selectable", false},
                                      {"DataSource", std::string()},
                                      {"DataField", std::string()}};
  const std::vector<Common> radios = {{"Value", false}};

  for (const ControlDesign& control : MainControlDesigns()) {
    SCOPED_TRACE(control.name);
    const auto check = [&](const std::vector<Common>& values) {
      for (const Common& common : values) {
        const DesignValue* value = control.design.Find(common.key);
        ASSERT_NE(value, nullptr) << common.key;
        EXPECT_TRUE(*value == common.value) << common.key;
      }
    };
    check(all);
    if (control.type == ControlClass::kPushButton) check(buttons);
    if (control.type == ControlClass::kTextField) check(fields);
    if (control.type == ControlClass::kLabel) check(labels);
    if (control.type == ControlClass::kRadioButton) check(radios);
    const bool credit = control.name == "lblAuthor";
    EXPECT_EQ(control.design.Flag("Transparent"), credit);
    if (control.type == ControlClass::kLabel) {
      EXPECT_EQ(control.design.ColorValue("TextColor"), credit ? Color{255} : Color{0});
    }
  }
}

TEST(MainWindowDesignTest, TheWindowDesignKeepsEveryKey) {
  Keys keys;
  for (const DesignEntry& entry : MainWindowDesign().Entries()) keys.push_back(entry.key);
  EXPECT_EQ(keys, (Keys{"Width",
                        "Height",
                        "MinimumWidth",
                        "MinimumHeight",
                        "MaximumWidth",
                        "MaximumHeight",
                        "Type",
                        "Title",
                        "HasCloseButton",
                        "HasMaximizeButton",
                        "HasMinimizeButton",
                        "HasFullScreenButton",
                        "Resizeable",
                        "Composite",
                        "MacProcID",
                        "FullScreen",
                        "DefaultLocation",
                        "Visible",
                        "HasBackgroundColor",
                        "BackgroundColor",
                        "MenuBarVisible"}));
  EXPECT_EQ(MainWindowDesign().Flag("HasFullScreenButton"), false);
  EXPECT_EQ(MainWindowDesign().Flag("HasBackgroundColor"), false);
  EXPECT_EQ(MainWindowDesign().ColorValue("BackgroundColor"), Color{0x00FFFFFF});
}

}  // namespace
}  // namespace korvanta::testing
